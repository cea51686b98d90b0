#include "cleanup/DeleteFilesByExt.h"

#include <sys/types.h>

#include <cstddef>
#include <utility>
#include <vector>

#include "platform/AsciiCase.h"
#include "platform/Directory.h"

namespace tw {
namespace {

constexpr std::string_view kEveryFile = ".*";

// Descriptors the walk keeps open besides the starting folder's. A tree of
// any depth needs no more: folders further up are opened again by name
// when the walk returns to them.
constexpr std::size_t kOpenLevels = 32;

// One folder on the way from the starting folder down to the one walked.
struct Level {
  std::string name;  // within its parent; empty for the starting folder
  Directory dir;     // closed while the walk is far below it
  dev_t device = 0;  // the folder's identity when it was first opened
  ino_t inode = 0;
  std::vector<DirEntry> entries;  // read whole once, when the walk enters
  std::size_t next = 0;           // the entry to look at next
};

// The levels of a depth-first walk, with at most kOpenLevels + 1 of their
// folders open at a time: opening level k closes level k - kOpenLevels
// (never the starting folder), so the open ones are the starting folder and
// those nearest the deepest level.
class LevelStack {
 public:
  explicit LevelStack(Directory start) { Enter(std::string(), std::move(start)); }

  bool Empty() const { return levels_.empty(); }
  Level &Deepest() { return levels_.back(); }
  void Leave() { levels_.pop_back(); }

  // Enters a subfolder of the deepest level. One that cannot be opened (a
  // link, or a folder swapped for one, is never opened) is not entered.
  void EnterSubfolder(const std::string &name) {
    Directory sub;
    if (!Deepest().dir.OpenSubfolder(name, sub).ok()) return;
    Enter(name, std::move(sub));
  }

  // Makes sure the deepest level's folder is open, opening it again by name
  // from the nearest open level above when its descriptor was closed. Each
  // folder on the way must still be the one the walk entered (same device
  // and inode): a folder that was removed, moved away or replaced since has
  // left the tree, and the walk treats it and the levels below it as ended,
  // leaving the result as it stands. Returns false when levels were dropped
  // so; the deepest remaining level is then open.
  bool ReopenDeepest() {
    std::size_t open = levels_.size() - 1;
    while (!levels_[open].dir.IsOpen()) --open;  // the starting folder stays open
    for (std::size_t k = open + 1; k < levels_.size(); ++k) {
      Level &level = levels_[k];
      if (!levels_[k - 1].dir.OpenSubfolder(level.name, level.dir).ok() ||
          level.dir.Device() != level.device || level.dir.Inode() != level.inode) {
        levels_.resize(k);
        return false;
      }
      CloseFarAbove(k);
    }
    return true;
  }

 private:
  void Enter(std::string name, Directory dir) {
    Level level;
    level.name = std::move(name);
    level.device = dir.Device();
    level.inode = dir.Inode();
    level.entries = dir.Entries();
    level.dir = std::move(dir);
    levels_.push_back(std::move(level));
    CloseFarAbove(levels_.size() - 1);
  }

  void CloseFarAbove(std::size_t k) {
    if (k > kOpenLevels) levels_[k - kOpenLevels].dir.Close();
  }

  std::vector<Level> levels_;
};

bool IsWanted(std::string_view name, std::string_view wanted) {
  return SameExtension(ExtensionOf(name), wanted) || wanted == kEveryFile;
}

}  // namespace

std::string NormaliseWantedExtension(std::string_view wanted) {
  if (wanted.find('.') != std::string_view::npos) return std::string(wanted);
  std::string normalised(1, '.');
  normalised.append(wanted);
  return normalised;
}

std::string_view ExtensionOf(std::string_view name) {
  // In UTF-8 no byte of a multi-byte character is one of the three, so the
  // last one found is always a character of its own.
  const std::size_t last = name.find_last_of(".\\:");
  if (last == std::string_view::npos || name[last] != '.') return {};
  return name.substr(last);
}

bool SameExtension(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
  }
  return true;
}

bool DeleteFilesByExt(const std::string &folder, const std::string &wantedExtension) {
  const std::string wanted = NormaliseWantedExtension(wantedExtension);

  // The starting folder is opened by its path as given (a link given as the
  // folder itself is followed); one that cannot be opened holds nothing.
  Directory start;
  if (!Directory::Open(folder, start).ok()) return true;

  // Depth-first, in the order the listing gives; each level's entries were
  // read when the walk entered it.
  LevelStack walk(std::move(start));
  while (!walk.Empty()) {
    if (walk.Deepest().next == walk.Deepest().entries.size()) {
      walk.Leave();
      continue;
    }
    if (!walk.ReopenDeepest()) continue;

    Level &level = walk.Deepest();
    const DirEntry entry = level.entries[level.next++];
    // Every visited entry loses its read-only mark first: a subfolder before
    // it is entered, a file before its name is even tested. Links are left
    // as they are; a refusal is ignored.
    level.dir.ClearReadOnly(entry.name);
    if (entry.isFolder) {
      walk.EnterSubfolder(entry.name);
    } else if (IsWanted(entry.name, wanted) && !level.dir.DeleteFile(entry.name).ok()) {
      // The first deletion that fails ends the whole walk, in every folder
      // above as well: nothing after it is reset or deleted.
      return false;
    }
  }
  return true;
}

}  // namespace tw
