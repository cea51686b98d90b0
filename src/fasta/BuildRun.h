// The build run: from a folder's sequence files to its FASTA file.
//
// The run is written once and talks to its host (the main window, or
// tidewell-cli) through BuildRunHost, which holds exactly what the run needs
// of a window: the result name, the delete option, the folder, the listed
// names, the progress bar, the log, modal messages and the silent stop.
//
// In order: the two input checks; the output file created (an existing one
// emptied); the progress bar reset; the folder listed; with no file, "No
// .seq files in this folder!", the empty output closed and kept, a silent
// stop; otherwise the log emptied and "Building your fasta files...", then
// one record per listed name (header ">" and the name, then its lines); the
// output closed; with the delete option "Waiting for delete seq files......"
// and the clean-up of the folder's tree, unless the output went to a device
// that keeps nothing; last "Done!!!".
//
// A failure after the output was created (a file that cannot be read, a
// write or close that fails) removes the output, so that no partial FASTA
// is left, and reaches the host as the failure itself (Failures.h).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "fasta/FastaFile.h"
#include "fasta/FileList.h"

namespace tw {

inline constexpr std::string_view kMsgNoResultName = "Please input the savefile name!";
inline constexpr std::string_view kMsgNoFolder = "Please load your folder!";
inline constexpr std::string_view kMsgNameTooLong = "The savefile name is too long!";
inline constexpr std::string_view kMsgNoSeqFiles = "No .seq files in this folder!";
inline constexpr std::string_view kMsgDone = "Done!!!";
inline constexpr std::string_view kLogBuilding = "Building your fasta files...";
inline constexpr std::string_view kLogDeleting = "Waiting for delete seq files......";
inline constexpr std::string_view kFastaExtension = ".fasta";
inline constexpr std::string_view kSeqExtension = ".seq";

class BuildRunHost {
 public:
  virtual ~BuildRunHost() = default;

  virtual std::string ResultName() const = 0;
  virtual bool DeleteOption() const = 0;
  virtual std::string SeqFolder() const = 0;

  // Empties SeqFileList and fills it from SeqFolder (LoadSeqFileList).
  virtual void LoadfileList1() = 0;
  virtual const StringList &SeqFileList() const = 0;

  // The progress bar keeps its position within Min and Max.
  virtual int ProgressPosition() const = 0;
  virtual void SetProgressPosition(int position) = 0;
  virtual void SetProgressMin(int min) = 0;
  virtual void SetProgressMax(int max) = 0;

  virtual void ClearLog() = 0;
  virtual void AppendLog(std::string_view line) = 0;

  // Shows a modal message and returns once it has been dismissed.
  virtual void ShowMessage(std::string_view text) = 0;

  // The silent stop; raises EAbort.
  [[noreturn]] virtual void Abort();

  // The block through which the output is written.
  virtual std::size_t OutputBlockSize() const { return kFastaBlockSize; }
};

// The output path: folder, "/", result name, ".fasta".
std::string OutputPath(std::string_view folder, std::string_view resultName);

// True when the system would refuse the output path for its length: the
// whole path, or one of the components the result name adds, too long.
bool OutputPathTooLong(std::string_view folder, std::string_view resultName);

void RunFastaBuild(BuildRunHost &host);

}  // namespace tw
