#include "fasta/BuildRun.h"

#include <climits>

#include "cleanup/DeleteFilesByExt.h"
#include "fasta/Failures.h"
#include "fasta/LineList.h"
#include "fasta/SeqFile.h"
#include "platform/Path.h"

namespace tw {
namespace {

int ClampToInt(std::size_t n) { return n > INT_MAX ? INT_MAX : static_cast<int>(n); }

void WriteRecords(BuildRunHost &host, const std::string &folder, FastaFile &output) {
  const StringList &names = host.SeqFileList();
  LineList lines;
  std::string header = ">";
  for (std::size_t i = 0; i < names.size(); ++i) {
    host.SetProgressPosition(host.ProgressPosition() + 1);
    ReadSeqFile(JoinPath(folder, names[i]), lines);
    header.resize(1);
    header.append(names[i]);
    WriteFastaLine(output, header);
    for (std::size_t line = 0; line < lines.size(); ++line) WriteFastaLine(output, lines[line]);
  }
}

}  // namespace

void BuildRunHost::Abort() { throw EAbort(); }

std::string OutputPath(std::string_view folder, std::string_view resultName) {
  std::string name(resultName);
  name.append(kFastaExtension);
  return JoinPath(folder, name);
}

bool OutputPathTooLong(std::string_view folder, std::string_view resultName) {
  const std::string path = OutputPath(folder, resultName);
  if (path.size() > MaxPathBytes()) return true;
  // The components the result name brings (it may hold separators).
  const std::string_view added = std::string_view(path).substr(folder.size() + 1);
  std::size_t start = 0;
  while (start <= added.size()) {
    std::size_t end = added.find(kPathSeparator, start);
    if (end == std::string_view::npos) end = added.size();
    if (end - start > MaxNameBytes()) return true;
    start = end + 1;
  }
  return false;
}

void RunFastaBuild(BuildRunHost &host) {
  const std::string resultName = host.ResultName();
  if (resultName.empty()) {
    host.ShowMessage(kMsgNoResultName);
    host.Abort();
  }
  const std::string folder = host.SeqFolder();
  if (folder.empty()) {
    host.ShowMessage(kMsgNoFolder);
    host.Abort();
  }
  if (OutputPathTooLong(folder, resultName)) {
    host.ShowMessage(kMsgNameTooLong);
    host.Abort();
  }

  FastaFile output;
  CreateFastaFile(output, OutputPath(folder, resultName), host.OutputBlockSize());
  try {
    host.SetProgressPosition(0);
    host.SetProgressMin(0);
    host.LoadfileList1();
    const std::size_t count = host.SeqFileList().size();
    host.SetProgressMax(ClampToInt(count));

    if (count == 0) {
      host.ShowMessage(kMsgNoSeqFiles);
      CloseFastaFile(output);
      host.Abort();
    }

    host.ClearLog();
    host.AppendLog(kLogBuilding);
    WriteRecords(host, folder, output);
    CloseFastaFile(output);
  } catch (const EAbort &) {
    throw;
  } catch (...) {
    DiscardFastaFile(output);
    throw;
  }

  // Output written through to a device (/dev/null, a terminal) keeps no
  // copy of the sequences, so their files are never deleted after it.
  if (host.DeleteOption() && !output.writeThrough) {
    host.AppendLog(kLogDeleting);
    DeleteFilesByExt(folder, std::string(kSeqExtension));
  }
  host.ShowMessage(kMsgDone);
}

}  // namespace tw
