#include "commands/line_commands.h"

#include <gtest/gtest.h>

#include <tuple>

#include "support/test_run.h"

namespace corvane {
namespace {

// Colour and thickness groups run up to the next command item; the last may stop after its colour,
// its series keeping the thickness it had.
TEST(LineCommandsTest, LineEndsAtTheNextItemOrAfterAColour) {
  testing::TestRun t;
  ASSERT_EQ(t.Process("-Line 255 0 0 100 0 0 255 1.5 -DecimalPoints 3 -Line 0 0 0 1 0 255 0 7 #00FF00"), 0);
  const auto& line = t.settings.Line;
  EXPECT_EQ(std::tuple(line.thickness[1], line.color[2].green, line.thickness[2]),
            std::tuple(7.0, 1.0f, 1.0));
}

TEST(LineCommandsTest, LineMarkerTakesTheRestOfTheLineAndDropsALastLoneWord) {
  testing::TestRun t;
  ASSERT_EQ(t.Process("-LineMarker OutlineSquare 0 0 0 6 2 FilledCircle 255 0 0 4 Cross"), 0);
  EXPECT_EQ(t.settings.LineMarker.color[1].red, 1.0f);
  EXPECT_EQ(t.settings.LineMarker.shape[2], MarkerShape::kFilledCircle);  // the lone "Cross" was dropped
}

}  // namespace
}  // namespace corvane
