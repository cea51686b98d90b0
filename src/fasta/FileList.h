// Listing the sequence files of a folder.
//
// FindFilesToList appends, without emptying the list first, the name of
// every entry that matches a path pattern, in the order of the directory
// search (DirectorySearch.h): subfolders, hidden and read-only entries
// included. A folder that cannot be searched adds nothing.
//
//   FindFilesToList("/plate/*.seq", list)   => list += {"A01.seq", "a02.SEQ"}
//   LoadSeqFileList("/plate", list)         => list == {"A01.seq", "a02.SEQ"}
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tw {

using StringList = std::vector<std::string>;

// The pattern that lists a folder's sequence files: folder + "/*.seq".
std::string SeqListingPattern(std::string_view folder);

void FindFilesToList(std::string_view pathPattern, StringList &list);

// Empties the list and fills it with the sequence files of folder.
void LoadSeqFileList(std::string_view folder, StringList &list);

}  // namespace tw
