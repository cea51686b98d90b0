// The fuzz targets as ordinary tests: every input of the corpus kept in the
// repository (fuzz/corpus/<target>/) goes through the target's check, and
// each model is held against the rule's own examples, so that a wrong model
// cannot make its check pass by agreeing with wrong code. This runs in every
// build, with or without clang.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fuzz/ExtensionRuleCheck.h"
#include "fuzz/LineSplitCheck.h"
#include "fuzz/MessageRuleCheck.h"

namespace tw::fuzz {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

std::string ReadAll(const fs::path &path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

struct Target {
  const char *name;
  Finding (*check)(std::string_view);
};

void PrintTo(const Target &target, std::ostream *out) { *out << target.name; }

class CorpusReplay : public testing::TestWithParam<Target> {};

TEST_P(CorpusReplay, EveryKeptInputPassesItsCheck) {
  const fs::path folder = fs::path(TIDEWELL_FUZZ_CORPUS) / GetParam().name;
  std::vector<fs::path> inputs;
  for (const auto &entry : fs::directory_iterator(folder)) {
    if (entry.is_regular_file()) inputs.push_back(entry.path());
  }
  std::sort(inputs.begin(), inputs.end());
  ASSERT_FALSE(inputs.empty()) << "no corpus kept in " << folder;
  for (const fs::path &input : inputs) {
    EXPECT_EQ(GetParam().check(ReadAll(input)), "") << input;
  }
}

INSTANTIATE_TEST_SUITE_P(Targets, CorpusReplay,
                         testing::Values(Target{"line_split", CheckLineSplit},
                                         Target{"extension_rule", CheckExtensionRule},
                                         Target{"message_rule", CheckMessageRule}),
                         [](const testing::TestParamInfo<Target> &info) {
                           return std::string(info.param.name);
                         });

TEST(FuzzModels, TheLineModelFollowsTheSplitRule) {
  using namespace std::string_literals;
  const std::pair<std::string, Strings> cases[] = {
      {"", {}},
      {"ACGT", {"ACGT"}},
      {"ACGT\r\n", {"ACGT"}},
      {"ACGT\nGG", {"ACGT", "GG"}},
      {"A\rB", {"A", "B"}},
      {"A\r\n\r\n", {"A", ""}},
      {"A\n\rB", {"A", "", "B"}},
      {"A\r\r\nB", {"A", "", "B"}},
      {"\r\n", {""}},
      {"A\0B\nC"s, {"A"}},
      {"\0ACGT"s, {}},
      {"\n\n", {"", ""}},
  };
  for (const auto &[input, lines] : cases) EXPECT_EQ(ModelLines(input), lines) << Escaped(input);
  EXPECT_EQ(NormalisedPrefix("A\r\r\nB\n\rC\0D"s), "A\n\nB\n\nC");
}

TEST(FuzzModels, TheExtensionModelFollowsTheDeletionRule) {
  const std::pair<const char *, const char *> normalised[] = {
      {"seq", ".seq"}, {".seq", ".seq"}, {"*", ".*"}, {"tar.gz", "tar.gz"}, {"", "."},
  };
  for (const auto &[wanted, model] : normalised) EXPECT_EQ(ModelNormalised(wanted), model);

  const std::pair<const char *, const char *> extensions[] = {
      {"a.b.seq", ".seq"}, {".seq", ".seq"}, {"readme", ""}, {"a.b\\c", ""},
      {"c:d", ""},         {"c:d.seq", ".seq"}, {"name.", "."}, {"", ""},
  };
  for (const auto &[name, model] : extensions) EXPECT_EQ(ModelExtensionOf(name), model) << name;

  EXPECT_TRUE(ModelSameExtension(".SEQ", ".seq"));
  EXPECT_TRUE(ModelSameExtension(".Seq", ".sEQ"));
  EXPECT_FALSE(ModelSameExtension(".seq", ".seq."));
  EXPECT_FALSE(ModelSameExtension("[", "{"));  // 0x5b and 0x7b differ in bit 0x20 too
  EXPECT_FALSE(ModelSameExtension("@", "`"));
  EXPECT_FALSE(ModelSameExtension("\xc9", "\xe9"));  // no folding above ASCII
}

TEST(FuzzModels, TheMessageModelFollowsTheStopRule) {
  const std::pair<std::string, std::string> shown[] = {
      {"File access denied", "File access denied."},
      {"Done!!!", "Done!!!"},
      {"Ends.", "Ends."},
      {"", ""},
      {"slash/", "slash/."},
      {"dash -", "dash -"},
      {"\xff", "\xff."},
  };
  for (const auto &[message, model] : shown) EXPECT_EQ(ModelShown(message), model);
  EXPECT_EQ(ModelTrimmed("Access is denied.\r\n"), "Access is denied");
  EXPECT_EQ(ModelTrimmed(" ..\t"), "");
  EXPECT_EQ(ModelInOutMessage(112), "I/O error 112");
  EXPECT_EQ(ModelInOutMessage(-1), "I/O error -1");
  EXPECT_EQ(ModelInOutMessage(4), "Too many open files");
}

}  // namespace
}  // namespace tw::fuzz
