#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "cli/ProgressLine.h"

namespace tw::cli {
namespace {

std::string Drawn(bool enabled, void (*draw)(ProgressLine &)) {
  std::FILE *stream = std::tmpfile();
  ProgressLine line(stream, enabled);
  draw(line);
  std::fflush(stream);
  std::rewind(stream);
  std::string text;
  for (int c; (c = std::fgetc(stream)) != EOF;) text.push_back(static_cast<char>(c));
  std::fclose(stream);
  return text;
}

TEST(ProgressLine, RendersFilesDoneOfAll) {
  EXPECT_EQ(ProgressLine::Render(0, 4), "[" + std::string(40, '.') + "] 0 of 4 files");
  EXPECT_EQ(ProgressLine::Render(1, 4),
            "[" + std::string(10, '#') + std::string(30, '.') + "] 1 of 4 files");
  EXPECT_EQ(ProgressLine::Render(4, 4), "[" + std::string(40, '#') + "] 4 of 4 files");
  EXPECT_EQ(ProgressLine::Render(0, 0), "[" + std::string(40, '.') + "] 0 of 0 files");
}

TEST(ProgressLine, DrawsInPlaceOnlyWhenEnabledAndWhenItChanges) {
  const auto draw = [](ProgressLine &line) {
    for (int done = 0; done <= 1000; ++done) line.Show(done, 1000);
    line.Clear();
  };
  EXPECT_EQ(Drawn(false, draw), "");
  const std::string drawn = Drawn(true, draw);
  std::size_t redraws = 0;
  for (char c : drawn) redraws += c == '\r';
  EXPECT_LE(redraws, 45u) << "one redraw per cell of the bar, not per file";
  EXPECT_NE(drawn.find("1000 of 1000 files"), std::string::npos);
  EXPECT_EQ(drawn.substr(drawn.size() - 4), "\r\033[K");
}

}  // namespace
}  // namespace tw::cli
