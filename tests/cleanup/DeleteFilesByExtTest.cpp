#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "cleanup/DeleteFilesByExt.h"
#include "platform/SysCalls.h"
#include "support/FaultInjection.h"
#include "support/Nodes.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace tw {
namespace {

using test::Exists;
using test::FileFlag;
using test::SetFileFlag;
using test::TempDir;

mode_t ModeOf(const std::string &path) {
  struct stat st;
  if (::lstat(path.c_str(), &st) != 0) throw std::runtime_error("no such entry " + path);
  return st.st_mode & 07777;
}

bool IsLink(const std::string &path) { return fs::is_symlink(fs::symlink_status(path)); }

std::string MakeFile(const TempDir &dir, std::string_view relative, mode_t mode) {
  const std::string path = dir.Write(relative, "bytes");
  ::chmod(path.c_str(), mode);
  return path;
}

void SetMode(const std::string &path, mode_t mode) {
  if (::chmod(path.c_str(), mode) != 0) throw std::runtime_error("chmod " + path);
}

std::set<std::string> NamesIn(const std::string &folder) {
  std::set<std::string> names;
  for (const auto &entry : fs::directory_iterator(folder)) names.insert(entry.path().filename());
  return names;
}

// Changes the tree while the walk runs: the action runs once, just before the
// walk deletes the entry of the given name.
class BeforeDeleting {
 public:
  BeforeDeleting(std::string name, std::function<void()> action) : scope_(Calls()) {
    name_ = std::move(name);
    action_ = std::move(action);
  }
  ~BeforeDeleting() { action_ = nullptr; }

 private:
  static sys::SysCalls Calls() {
    sys::SysCalls calls = sys::RealSysCalls();
    calls.unlinkat = [](int dirfd, const char *path, int flags) {
      if (action_ && name_ == path) std::exchange(action_, nullptr)();
      return sys::RealSysCalls().unlinkat(dirfd, path, flags);
    };
    return calls;
  }

  static inline std::string name_;
  static inline std::function<void()> action_;
  sys::ScopedSysCalls scope_;
};

TEST(DeleteFilesByExt, ExtensionsOfNamesAndTheirComparison) {
  struct Of {
    const char *name;
    const char *extension;
  };
  const Of extensions[] = {
      {"a.b.seq", ".seq"}, {".seq", ".seq"}, {"readme", ""},     {"name.", "."},
      {"", ""},            {"a.b\\c", ""},   {"c:x", ""},        {"a:b.seq", ".seq"},
      {"a.seq:s", ""},     {"x\\.seq", ".seq"}, {"\xC3\xA9.SEQ", ".SEQ"},
  };
  for (const Of &c : extensions) EXPECT_EQ(ExtensionOf(c.name), c.extension) << c.name;

  struct Same {
    const char *a;
    const char *b;
    bool same;
  };
  const Same comparisons[] = {
      {".SEQ", ".seq", true},    {".Seq", ".sEQ", true},      {"", "", true},
      {".seq", ".seq.", false},  {".seq", ".sequence", false}, {".seq", ".sea", false},
      {"[", "{", false},         {"@", "`", false},            // 0x20 apart, not letters
      {"\xC3\x89", "\xC3\xA9", false},                          // no fold beyond ASCII
  };
  for (const Same &c : comparisons) {
    EXPECT_EQ(SameExtension(c.a, c.b), c.same) << c.a << " vs " << c.b;
    EXPECT_EQ(SameExtension(c.b, c.a), c.same) << c.b << " vs " << c.a;
  }

  struct Normalised {
    const char *wanted;
    const char *normalised;
  };
  const Normalised wanted[] = {
      {"seq", ".seq"},       {".seq", ".seq"},   {"*", ".*"},      {"", "."},
      {"tar.gz", "tar.gz"},  {"*.seq", "*.seq"}, {"seq.", "seq."},
  };
  for (const Normalised &c : wanted) {
    EXPECT_EQ(NormaliseWantedExtension(c.wanted), c.normalised) << c.wanted;
  }
}

TEST(DeleteFilesByExt, WantedExtensionDecidesWhichFilesAreLeft) {
  const std::set<std::string> all = {"A.SEQ",      "b.Seq", ".seq", "x.seq.bak", "x.fasta",
                                     "x.sequence", "seq",   "name."};
  const std::set<std::string> noSeq = {"x.seq.bak", "x.fasta", "x.sequence", "seq", "name."};
  std::set<std::string> allButDotEnd = all;
  allButDotEnd.erase("name.");

  struct Case {
    const char *wanted;
    std::set<std::string> left;
  };
  const Case cases[] = {
      {"seq", noSeq},   {".seq", noSeq},   {"SEQ", noSeq},  {"*", {}},
      {".*", {}},       {"tar.gz", all},   {"*.seq", all},  {"", allButDotEnd},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(std::string("wanted \"") + c.wanted + "\"");
    TempDir dir;
    for (const std::string &name : all) {
      MakeFile(dir, name, 0444);
      MakeFile(dir, "sub/" + name, 0444);
    }

    EXPECT_TRUE(DeleteFilesByExt(dir.path(), c.wanted));

    std::set<std::string> expectedTop = c.left;
    expectedTop.insert("sub");  // folders stay, even when left empty
    EXPECT_EQ(NamesIn(dir.path()), expectedTop);
    EXPECT_EQ(NamesIn(dir / "sub"), c.left);
    for (const std::string &name : c.left) {
      EXPECT_EQ(ModeOf(dir / name), 0644u) << name;  // visited: read-only mark gone
      EXPECT_EQ(ModeOf(dir / ("sub/" + name)), 0644u) << name;
    }
  }
}

TEST(DeleteFilesByExt, VisitedEntriesLoseTheirReadOnlyMarkAndFoldersStay) {
  TempDir dir;
  MakeFile(dir, "ro.seq", 0444);
  MakeFile(dir, ".hidden.seq", 0400);
  MakeFile(dir, "ro.txt", 0444);
  MakeFile(dir, "locked/inner.seq", 0444);
  MakeFile(dir, "locked/inner.txt", 0440);
  SetMode(dir / "locked", 0555);
  MakeFile(dir, "emptied/only.seq", 0644);

  EXPECT_TRUE(DeleteFilesByExt(dir.path(), ".seq"));

  EXPECT_FALSE(Exists(dir / "ro.seq"));
  EXPECT_FALSE(Exists(dir / ".hidden.seq"));
  EXPECT_FALSE(Exists(dir / "locked/inner.seq"));
  // Only the owner's write bit is given back; nothing else changes.
  EXPECT_EQ(ModeOf(dir / "ro.txt"), 0644u);
  EXPECT_EQ(ModeOf(dir / "locked/inner.txt"), 0640u);
  EXPECT_EQ(ModeOf(dir / "locked"), 0755u);
  EXPECT_TRUE(fs::is_directory(dir / "emptied"));
  EXPECT_TRUE(fs::is_empty(dir / "emptied"));
}

// How a matching file is kept from being deleted.
enum class Block { Immutable, Seam };

class DeleteFilesByExtStop : public ::testing::TestWithParam<Block> {};

TEST_P(DeleteFilesByExtStop, FirstFailedDeletionEndsTheWalkInEveryFolderAbove) {
  TempDir dir;
  const std::string root = dir / "root";
  MakeFile(dir, "root/0.txt", 0444);
  MakeFile(dir, "root/a/b/b1.seq", 0644);
  const std::string blocked = MakeFile(dir, "root/a/b/c.seq", 0644);
  MakeFile(dir, "root/a/b/d.seq", 0444);
  MakeFile(dir, "root/a/b/e/f.seq", 0444);
  MakeFile(dir, "root/a/z.seq", 0444);
  MakeFile(dir, "root/y.txt", 0444);
  MakeFile(dir, "root/z.seq", 0444);
  MakeFile(dir, "root/zz/x.seq", 0444);
  for (const char *folder : {"root/a", "root/a/b", "root/a/b/e", "root/zz"}) {
    SetMode(dir / folder, 0555);
  }

  std::optional<test::FailCall> failingUnlink;
  struct Unfreeze {
    std::string path;
    ~Unfreeze() {
      if (!path.empty()) SetFileFlag(path, FileFlag::Immutable, false);
    }
  } unfreeze;
  if (GetParam() == Block::Immutable) {
    if (!SetFileFlag(blocked, FileFlag::Immutable, true)) GTEST_SKIP() << "no immutable attribute here";
    unfreeze.path = blocked;
  } else {
    failingUnlink.emplace(test::SysCall::Unlink, EBUSY, /*nth=*/2);  // b1.seq goes, c.seq fails
  }

  EXPECT_FALSE(DeleteFilesByExt(root, ".seq"));

  // Before the failure: visited and done.
  EXPECT_EQ(ModeOf(root + "/0.txt"), 0644u);
  EXPECT_EQ(ModeOf(root + "/a"), 0755u);
  EXPECT_EQ(ModeOf(root + "/a/b"), 0755u);
  EXPECT_FALSE(Exists(root + "/a/b/b1.seq"));
  EXPECT_TRUE(Exists(blocked));
  // After it, in its folder and in each folder above: untouched.
  EXPECT_EQ(ModeOf(root + "/a/b/d.seq"), 0444u);
  EXPECT_EQ(ModeOf(root + "/a/b/e"), 0555u);
  EXPECT_TRUE(Exists(root + "/a/b/e/f.seq"));
  EXPECT_EQ(ModeOf(root + "/a/z.seq"), 0444u);
  EXPECT_EQ(ModeOf(root + "/y.txt"), 0444u);
  EXPECT_EQ(ModeOf(root + "/z.seq"), 0444u);
  EXPECT_EQ(ModeOf(root + "/zz"), 0555u);
  EXPECT_TRUE(Exists(root + "/zz/x.seq"));
}

INSTANTIATE_TEST_SUITE_P(Blocks, DeleteFilesByExtStop,
                         ::testing::Values(Block::Immutable, Block::Seam),
                         [](const auto &info) {
                           return info.param == Block::Immutable ? "ImmutableFile"
                                                                 : "FailingUnlink";
                         });

TEST(DeleteFilesByExt, SubfolderThatCannotBeOpenedCountsAsDoneAndTheWalkGoesOn) {
  TempDir dir;
  MakeFile(dir, "a.seq", 0644);
  MakeFile(dir, "sub/x.seq", 0644);
  MakeFile(dir, "z.seq", 0644);
  // Opens: the folder, its listing, then "sub".
  test::FailCall failingOpen(test::SysCall::Open, EACCES, /*nth=*/3);

  EXPECT_TRUE(DeleteFilesByExt(dir.path(), ".seq"));

  EXPECT_EQ(failingOpen.calls(), 3);
  EXPECT_FALSE(Exists(dir / "a.seq"));
  EXPECT_TRUE(Exists(dir / "sub/x.seq"));
  EXPECT_FALSE(Exists(dir / "z.seq"));
}

TEST(DeleteFilesByExt, FolderThatCannotBeListedGivesTrueAndChangesNothing) {
  TempDir dir;
  const std::string keeper = MakeFile(dir, "a.seq", 0444);
  for (const std::string &folder : {dir / "missing", dir / "missing/deeper", keeper}) {
    EXPECT_TRUE(DeleteFilesByExt(folder, ".seq")) << folder;
  }
  EXPECT_EQ(ModeOf(keeper), 0444u);
  EXPECT_EQ(NamesIn(dir.path()), std::set<std::string>{"a.seq"});
}

TEST(DeleteFilesByExt, LinksAreNeverFollowedAndMatchingOnesGoAsLinks) {
  TempDir dir;
  const std::string canary = MakeFile(dir, "outside/canary.seq", 0444);
  const std::string inner = MakeFile(dir, "outside/dir/inner.seq", 0444);
  SetMode(dir / "outside/dir", 0555);
  const std::string root = dir.MakeDir("root");
  dir.MakeDir("root/sub");
  const struct {
    std::string target;
    std::string link;
  } links[] = {
      {canary, "root/to-file.seq"},   {canary, "root/to-file.txt"},
      {dir / "outside/dir", "root/to-dir"}, {dir / "outside/dir", "root/to-dir.seq"},
      {"/nowhere/at/all", "root/dangling.seq"},
      {root, "root/loop"},             {"..", "root/sub/up"},
  };
  for (const auto &l : links) ASSERT_EQ(::symlink(l.target.c_str(), (dir / l.link).c_str()), 0);

  EXPECT_TRUE(DeleteFilesByExt(root, ".seq"));

  EXPECT_FALSE(Exists(root + "/to-file.seq"));
  EXPECT_FALSE(Exists(root + "/to-dir.seq"));
  EXPECT_FALSE(Exists(root + "/dangling.seq"));
  for (const char *kept : {"/to-file.txt", "/to-dir", "/loop", "/sub/up"}) {
    EXPECT_TRUE(IsLink(root + kept)) << kept;
  }
  EXPECT_EQ(test::ReadBytes(canary), "bytes");
  EXPECT_EQ(ModeOf(canary), 0444u);
  EXPECT_EQ(ModeOf(inner), 0444u);
  EXPECT_EQ(ModeOf(dir / "outside/dir"), 0555u);
}

TEST(DeleteFilesByExt, FolderSwappedForALinkDuringTheWalkIsNotFollowed) {
  TempDir dir;
  const std::string victim = MakeFile(dir, "outside/victim.seq", 0444);
  const std::string root = dir / "root";
  MakeFile(dir, "root/a.seq", 0644);
  MakeFile(dir, "root/sub/x.seq", 0644);
  SetMode(dir / "outside", 0555);
  BeforeDeleting swap("a.seq", [&] {
    fs::rename(root + "/sub", dir / "sub-moved");
    fs::create_directory_symlink(dir / "outside", root + "/sub");
  });

  EXPECT_TRUE(DeleteFilesByExt(root, ".seq"));

  EXPECT_TRUE(IsLink(root + "/sub"));
  EXPECT_TRUE(Exists(victim));
  EXPECT_EQ(ModeOf(victim), 0444u);
  EXPECT_EQ(ModeOf(dir / "outside"), 0555u);
  EXPECT_TRUE(Exists(dir / "sub-moved/x.seq"));
}

// A chain of folders, each holding keep.txt, the next folder and z.seq (in
// that order); the deepest holds bottom.seq and keep.txt. Built and read
// relative to descriptors: the chain's paths may exceed what the system
// accepts as one path.
constexpr const char *kChainFolder = "nested-folder";

int OpenFolderAt(int at, const char *name) {
  const int fd = ::openat(at, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) throw std::runtime_error(std::string("cannot open ") + name);
  return fd;
}

void TouchAt(int at, const char *name) {
  const int fd = ::openat(at, name, O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) throw std::runtime_error(std::string("cannot create ") + name);
  ::close(fd);
}

bool ExistsAt(int at, const char *name) {
  struct stat st;
  return ::fstatat(at, name, &st, AT_SYMLINK_NOFOLLOW) == 0;
}

void BuildChain(const std::string &top, int depth) {
  int fd = OpenFolderAt(AT_FDCWD, top.c_str());
  for (int level = 0; level < depth; ++level) {
    TouchAt(fd, "keep.txt");
    TouchAt(fd, "z.seq");
    if (::mkdirat(fd, kChainFolder, 0755) != 0) throw std::runtime_error("mkdirat");
    const int next = OpenFolderAt(fd, kChainFolder);
    ::close(fd);
    fd = next;
  }
  TouchAt(fd, "keep.txt");
  TouchAt(fd, "bottom.seq");
  ::close(fd);
}

// Removes a chain of any depth with two descriptors: each level's subfolder
// is lifted next to the top before the level itself goes.
void RemoveChain(const std::string &parent, const std::string &top) {
  const int parentFd = OpenFolderAt(AT_FDCWD, parent.c_str());
  for (;;) {
    const int fd = ::openat(parentFd, top.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
    if (fd < 0) break;
    for (const char *file : {"keep.txt", "z.seq", "bottom.seq"}) ::unlinkat(fd, file, 0);
    const bool lifted = ::renameat(fd, kChainFolder, parentFd, "lifted") == 0;
    ::close(fd);
    ::unlinkat(parentFd, top.c_str(), AT_REMOVEDIR);
    if (!lifted || ::renameat(parentFd, "lifted", parentFd, top.c_str()) != 0) break;
  }
  ::close(parentFd);
}

class DescriptorLimit {
 public:
  explicit DescriptorLimit(rlim_t soft) {
    ::getrlimit(RLIMIT_NOFILE, &saved_);
    rlimit lowered = saved_;
    lowered.rlim_cur = std::min(soft, saved_.rlim_cur);
    ::setrlimit(RLIMIT_NOFILE, &lowered);
  }
  ~DescriptorLimit() { ::setrlimit(RLIMIT_NOFILE, &saved_); }

 private:
  rlimit saved_{};
};

TEST(DeleteFilesByExt, TreeFifteenHundredFoldersDeepUnderALowDescriptorLimit) {
  constexpr int kDepth = 1500;
  TempDir dir;
  const std::string root = dir.MakeDir("root");
  BuildChain(root, kDepth);
  struct Cleanup {
    std::string parent;
    ~Cleanup() { RemoveChain(parent, "root"); }
  } cleanup{dir.path()};

  {
    DescriptorLimit limit(128);
    EXPECT_TRUE(DeleteFilesByExt(root, ".seq"));
  }

  // Every level was walked to its end: its z.seq, after the subfolder, went.
  int fd = OpenFolderAt(AT_FDCWD, root.c_str());
  int walked = 0;
  for (int level = 0; level < kDepth; ++level) {
    if (ExistsAt(fd, "keep.txt") && !ExistsAt(fd, "z.seq")) ++walked;
    const int next = OpenFolderAt(fd, kChainFolder);
    ::close(fd);
    fd = next;
  }
  EXPECT_EQ(walked, kDepth);
  EXPECT_TRUE(ExistsAt(fd, "keep.txt"));
  EXPECT_FALSE(ExistsAt(fd, "bottom.seq"));
  ::close(fd);
}

TEST(DeleteFilesByExt, FolderReplacedWhileItsDescriptorWasClosedIsNotReentered) {
  // Deeper than the walk keeps descriptors open for, so that it opens the
  // first level again by name when it comes back to it.
  TempDir dir;
  const std::string root = dir.MakeDir("root");
  BuildChain(root, 200);
  const std::string first = root + "/" + kChainFolder;
  BeforeDeleting replace("bottom.seq", [&] {
    fs::rename(first, dir / "moved");
    dir.Write(std::string("root/") + kChainFolder + "/z.seq", "impostor");
  });

  EXPECT_TRUE(DeleteFilesByExt(root, ".seq"));

  EXPECT_TRUE(Exists(dir / "moved/z.seq"));   // the original left the tree
  EXPECT_EQ(test::ReadBytes(first + "/z.seq"), "impostor");  // never walked
  EXPECT_FALSE(Exists(root + "/z.seq"));      // the walk went on above it
  EXPECT_TRUE(Exists(root + "/keep.txt"));
}

TEST(DeleteFilesByExt, FolderOfOneHundredThousandEntries) {
  constexpr int kEntries = 100000;
  TempDir dir;
  const std::string wide = dir.MakeDir("wide");
  MakeFile(dir, "wide/m/x.seq", 0644);
  MakeFile(dir, "wide/m/keep.dat", 0644);
  const int fd = OpenFolderAt(AT_FDCWD, wide.c_str());
  for (int i = 1; i < kEntries; ++i) {  // with "m", kEntries in all
    char name[32];
    std::snprintf(name, sizeof name, "f%06d.%s", i, i % 2 == 0 ? "seq" : "dat");
    TouchAt(fd, name);
  }
  ::close(fd);

  EXPECT_TRUE(DeleteFilesByExt(wide, "seq"));

  int left = 0;
  for (const auto &entry : fs::directory_iterator(wide)) {
    EXPECT_NE(entry.path().extension(), ".seq") << entry.path();
    ++left;
  }
  EXPECT_EQ(left, kEntries / 2 + 1);
  EXPECT_FALSE(Exists(wide + "/m/x.seq"));
  EXPECT_TRUE(Exists(wide + "/m/keep.dat"));
}

}  // namespace
}  // namespace tw
