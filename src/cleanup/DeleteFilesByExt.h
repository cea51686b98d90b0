// Recursive deletion by extension.
//
// Deletes, in a folder and in every folder below it, each file whose
// extension equals the wanted one (ASCII letters compared without case).
// Folders are never deleted. On the way every visited file loses its
// read-only mark and every visited subfolder gets its owner-write bit, before
// and regardless of the test. The first deletion that fails ends the whole
// walk, which then returns false. A folder that cannot be listed counts as
// success. The walk never leaves the tree: links are never entered and never
// changed, only removed as links when their own name matches. Any entry that
// is not a folder (a file, a link, a FIFO, ...) counts as a file. Trees of any
// depth are walked with a bounded number of open descriptors.
//
// The wanted extension is normalised once: without any "." it gets one in
// front ("seq" => ".seq"); ".*" (and "*", which becomes ".*") matches every
// file.
//
//   DeleteFilesByExt("/plate", ".seq")  => true, A01.seq, sub/B.SEQ deleted
//   DeleteFilesByExt("/no/such", "seq") => true, nothing changed
#pragma once

#include <string>
#include <string_view>

namespace tw {

// Puts a "." in front of a wanted extension that holds none.
//   "seq" => ".seq", "*" => ".*", "tar.gz" => "tar.gz", "" => "."
std::string NormaliseWantedExtension(std::string_view wanted);

// The extension of an entry's name: from its last "." on, "." included, or
// empty when the last of ".", "\" and ":" is not a ".".
//   "a.b.seq" => ".seq",  ".seq" => ".seq",  "readme" => "",  "a.b\\c" => ""
std::string_view ExtensionOf(std::string_view name);

// Equal length, equal bytes after ASCII a-z are turned into capitals; no
// other byte is folded and no locale is consulted.
//   (".SEQ", ".seq") => true,  (".seq", ".seq.") => false,  ("[", "{") => false
bool SameExtension(std::string_view a, std::string_view b);

bool DeleteFilesByExt(const std::string &folder, const std::string &wantedExtension);

}  // namespace tw
