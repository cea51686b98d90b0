// What a folder tree holds, to show that a run changed nothing it must not:
// every entry under a root by its relative path, with its kind and, for a
// file, its bytes (a digest for large ones), for a link, its target.
//
// Plate is the folder a test hands to a run, with canaries outside it: a
// .seq file beside it and a neighbouring folder with one, which a run must
// never touch, whatever goes wrong inside the plate.
//
//   Plate plate;                       // root/plate, root/canary.seq, root/next/door.seq
//   plate.Write("a.seq", "ACGT");      // root/plate/a.seq
//   Snapshot(plate.folder)             => {{"a.seq", "file \"ACGT\""}}
//   plate.OutsideIsUntouched()         => true
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "support/TempDir.h"

namespace tw::test {

using Tree = std::map<std::string, std::string>;

Tree Snapshot(const std::string &root);

// How a file of these bytes shows in a snapshot.
std::string FileEntry(std::string_view bytes);

class Plate {
 public:
  Plate();

  std::string operator/(std::string_view name) const { return folder + "/" + std::string(name); }
  std::string Write(std::string_view name, std::string_view bytes) const;

  // True when nothing outside the plate's folder differs from how the
  // constructor left it.
  bool OutsideIsUntouched() const;

  TempDir root;
  std::string folder;
};

}  // namespace tw::test
