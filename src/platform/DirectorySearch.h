// Directory search: the entries of a folder that match a pattern.
//
// The last component of the pattern may hold "*" and "?"; matching ignores
// ASCII letter case. Every entry but "." and ".." is yielded, whatever its
// kind or permissions, with its name and whether it is a folder; a symbolic
// link is never a folder. Entries come in the order users of the tool know
// from NTFS volumes: by name, compared byte by byte after turning ASCII
// a-z into capitals, equal keys ordered by their raw bytes. A folder that
// does not exist or cannot be read yields nothing.
//
//   MatchesPattern("Sample.SEQ", "*.seq")  => true
//   MatchesPattern("x.seq.bak", "*.seq")   => false
//   FindEntries("/plate/*.seq")            => {"a.seq", "B.seq", "c.SEQ"}
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/Directory.h"

namespace tw {

bool MatchesPattern(std::string_view name, std::string_view pattern);

// The order of entries: true when a comes before b.
bool EntryNameLess(std::string_view a, std::string_view b);

std::vector<DirEntry> FindEntries(std::string_view pathPattern);

}  // namespace tw
