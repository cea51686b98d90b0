#include "fasta/FileList.h"

#include "platform/DirectorySearch.h"
#include "platform/Path.h"

namespace tw {

std::string SeqListingPattern(std::string_view folder) { return JoinPath(folder, "*.seq"); }

void FindFilesToList(std::string_view pathPattern, StringList &list) {
  for (DirEntry &entry : FindEntries(pathPattern)) list.push_back(std::move(entry.name));
}

void LoadSeqFileList(std::string_view folder, StringList &list) {
  list.clear();
  FindFilesToList(SeqListingPattern(folder), list);
}

}  // namespace tw
