// The progress bar keeps its position within its range.
#include <gtest/gtest.h>

#include "app/ProgressBar.h"

namespace tw {
namespace {

TEST(ProgressBar, PositionStaysWithinTheRange) {
  const struct {
    int min, max, position;
    int readMin, readMax, readPosition;
  } cases[] = {
      {0, 100, 0, 0, 100, 0},  {0, 3, 5, 0, 3, 3},      {0, 3, -1, 0, 3, 0},
      {0, 0, 1, 0, 0, 0},      {2, 5, 1, 2, 5, 2},      {0, 2, 2, 0, 2, 2},
  };
  for (const auto &c : cases) {
    TProgressBar pg;
    pg.SetMin(c.min);
    pg.SetMax(c.max);
    pg.SetPosition(c.position);
    EXPECT_EQ(pg.Min(), c.readMin);
    EXPECT_EQ(pg.Max(), c.readMax);
    EXPECT_EQ(pg.Position(), c.readPosition);
    // Drawn within Qt's range too, never in its "no value" or busy state.
    EXPECT_LT(pg.minimum(), pg.maximum());
    EXPECT_GE(pg.value(), pg.minimum());
  }
}

TEST(ProgressBar, ARangeThatMovesPastThePositionTakesItAlong) {
  TProgressBar pg;
  pg.SetMax(5);
  pg.SetPosition(5);
  pg.SetMax(2);
  EXPECT_EQ(pg.Position(), 2);
  pg.SetMin(4);
  EXPECT_EQ(pg.Min(), 4);
  EXPECT_EQ(pg.Max(), 4);
  EXPECT_EQ(pg.Position(), 4);
}

}  // namespace
}  // namespace tw
