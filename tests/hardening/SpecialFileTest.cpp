// Entries that are not regular files where the run expects a sequence file
// or its output, made for real and run through tidewell-cli under a
// timeout: a FIFO, a socket, links to devices and folders. Nothing may
// block: a FIFO nobody writes to would hang a plain open or read for ever.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/ChildCli.h"
#include "hardening/Fasta.h"
#include "support/Nodes.h"
#include "hardening/Tree.h"

namespace tw {
namespace {

using namespace test;

constexpr int kTimeoutSeconds = 30;

TEST(SpecialFiles, SequenceEntryThatIsNotARegularFile) {
  struct Case {
    const char *what;
    void (*make)(const Plate &);
    std::string err;  // {} stands for the entry's path
  };
  const Case cases[] = {
      {"a FIFO nobody writes to", [](const Plate &p) { MakeFifo(p / "m.seq"); },
       "Cannot open file \"{}\". Not a regular file.\n"},
      {"a socket", [](const Plate &p) { MakeSocket(p / "m.seq"); },
       "Cannot open file \"{}\". No such device or address.\n"},
      {"a link to /dev/zero", [](const Plate &p) { MakeLink("/dev/zero", p / "m.seq"); },
       "Cannot open file \"{}\". Not a regular file.\n"},
      {"a link to /dev/null", [](const Plate &p) { MakeLink("/dev/null", p / "m.seq"); },
       "Cannot open file \"{}\". Not a regular file.\n"},
      {"a dangling link", [](const Plate &p) { MakeLink("nowhere.seq", p / "m.seq"); },
       "Cannot open file \"{}\". No such file or directory.\n"},
      {"a subfolder", [](const Plate &p) { p.root.MakeDir("plate/m.seq"); },
       "Cannot open file \"{}\". Is a directory.\n"},
      {"a link to a folder outside", [](const Plate &p) { MakeLink(p.root / "next", p / "m.seq"); },
       "Cannot open file \"{}\". Is a directory.\n"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    Plate plate;
    plate.Write("a.seq", Bases(300));
    c.make(plate);
    plate.Write("z.seq", "TT\n");
    const Tree before = Snapshot(plate.folder);

    const ChildResult result =
        RunCli({"--delete", plate.folder, "out"}, ChildLimits::Timeout(kTimeoutSeconds));
    ASSERT_FALSE(result.hung);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "Building your fasta files...\n");
    std::string err = c.err;
    err.replace(err.find("{}"), 2, plate / "m.seq");
    EXPECT_EQ(result.err, err);
    EXPECT_EQ(Snapshot(plate.folder), before) << "no output, nothing deleted";
    EXPECT_TRUE(plate.OutsideIsUntouched());
  }
}

TEST(SpecialFiles, SequenceLinkToAFileOutsideIsReadButNeverDeleted) {
  Plate plate;
  plate.Write("a.seq", "ACGT\n");
  MakeLink(plate.root / "canary.seq", plate / "b.seq");
  const ChildResult result =
      RunCli({"--delete", plate.folder, "out"}, ChildLimits::Timeout(kTimeoutSeconds));
  ASSERT_FALSE(result.hung);
  EXPECT_EQ(result.status, 0) << result.err;
  const std::string fasta =
      ExpectedFasta({{"a.seq", "ACGT\n"}, {"b.seq", ReadBytes(plate.root / "canary.seq")}});
  EXPECT_EQ(Snapshot(plate.folder), (Tree{{"out.fasta", FileEntry(fasta)}}))
      << "the link deleted as a link";
  EXPECT_TRUE(plate.OutsideIsUntouched()) << "the file it named kept";
}

TEST(SpecialFiles, OutputPathThatIsNotARegularFile) {
  struct Case {
    const char *what;
    void (*make)(const Plate &);
    int status;
    std::string err;
  };
  const Case cases[] = {
      {"a FIFO nobody reads", [](const Plate &p) { MakeFifo(p / "out.fasta"); }, 2,
       "File access denied.\n"},
      {"a socket", [](const Plate &p) { MakeSocket(p / "out.fasta"); }, 2, "File access denied.\n"},
      {"a folder", [](const Plate &p) { p.root.MakeDir("plate/out.fasta"); }, 2,
       "File access denied.\n"},
      {"a link to a folder", [](const Plate &p) { MakeLink(p.root / "next", p / "out.fasta"); }, 2,
       "File access denied.\n"},
      {"a read-only file", [](const Plate &p) {
         p.Write("out.fasta", "an earlier result");
         SetReadOnly(p / "out.fasta", true);
       }, 2, "File access denied.\n"},
      // A character device takes the lines as they come; nothing is kept.
      {"a link to /dev/null", [](const Plate &p) { MakeLink("/dev/null", p / "out.fasta"); }, 0,
       ""},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    Plate plate;
    plate.Write("a.seq", Bases(300));
    c.make(plate);
    const Tree before = Snapshot(plate.folder);

    const ChildResult result = RunCli({plate.folder, "out"}, ChildLimits::Timeout(kTimeoutSeconds));
    ASSERT_FALSE(result.hung);
    EXPECT_EQ(result.status, c.status);
    EXPECT_EQ(result.err, c.err);
    EXPECT_EQ(Snapshot(plate.folder), before);
    EXPECT_TRUE(plate.OutsideIsUntouched());
  }
}

}  // namespace
}  // namespace tw
