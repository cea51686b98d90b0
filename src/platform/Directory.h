// An open folder, for walks that must never leave the tree they were given.
//
// Subfolders are opened relative to their parent's descriptor with
// O_NOFOLLOW | O_DIRECTORY, so a link, or a folder swapped for a link while
// a walk runs, is never entered. Entries are read whole, in the order of
// EntryNameLess (DirectorySearch.h), before the first is yielded: a walk
// holds no open listing per level.
//
//   Directory dir;  Directory::Open("/plate", dir)         => ok
//   dir.Entries()                                           => {{"A01.seq", false}, {"sub", true}}
//   dir.OpenSubfolder("link-to-folder", sub)                => Status{...ELOOP/ENOTDIR}
//   dir.ClearReadOnly("A01.seq")                             => owner write bit set again
//   dir.DeleteFile("A01.seq")                                => ok
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

#include "platform/Status.h"

namespace tw {

struct DirEntry {
  std::string name;
  bool isFolder = false;

  bool operator==(const DirEntry &) const = default;
};

class Directory {
 public:
  Directory() = default;
  ~Directory();
  Directory(Directory &&other) noexcept;
  Directory &operator=(Directory &&other) noexcept;
  Directory(const Directory &) = delete;
  Directory &operator=(const Directory &) = delete;

  // Opens a folder by path; a link given as the folder itself is followed.
  static Status Open(const std::string &path, Directory &dir);

  // Opens a subfolder of this one, never through a link.
  Status OpenSubfolder(const std::string &name, Directory &sub) const;

  bool IsOpen() const { return fd_ >= 0; }
  void Close();

  // The identity of the folder, to recognise it when it is opened again.
  dev_t Device() const { return device_; }
  ino_t Inode() const { return inode_; }

  // Every entry but "." and "..", sorted; empty when it cannot be read.
  std::vector<DirEntry> Entries() const;

  // Gives the entry the owner's write bit if it lacks it (the read-only
  // mark cleared). A link is left as it is; a failure is ignored.
  void ClearReadOnly(const std::string &name) const;

  // Removes a file entry (a link is removed as a link).
  Status DeleteFile(const std::string &name) const;

 private:
  Status Adopt(int fd);

  int fd_ = -1;
  dev_t device_ = 0;
  ino_t inode_ = 0;
};

}  // namespace tw
