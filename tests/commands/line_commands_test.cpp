#include "commands/line_commands.h"

#include <gtest/gtest.h>

#include "support/test_run.h"

namespace corvane {
namespace {

TEST(LineCommandsTest, LineEndsAtTheNextItemOrAfterAColour) {
  testing::TestRun t;
  ASSERT_EQ(t.Process("-Line 255 0 0 100 0 0 255 1.5 -DecimalPoints 3"), 0);
  EXPECT_EQ(t.settings.Line.thickness[1], 1.5);
  ASSERT_EQ(t.Process("-Line 0 0 0 1 0 255 0 7 #00FF00"), 0);
  EXPECT_EQ(t.settings.Line.color[2].green, 1.0f);
  EXPECT_EQ(t.settings.Line.thickness[2], 1.0);  // no thickness after the last colour
  EXPECT_EQ(t.Process("-Line 255 0 0 0"), 1);
  EXPECT_EQ(t.LastLine(),
            "ERROR: Line - thickness 1 must be greater than 0.0 and less than or equal to 100.0");
}

TEST(LineCommandsTest, LineMarkerTakesTheRestOfTheLineAndDropsALastLoneWord) {
  testing::TestRun t;
  ASSERT_EQ(t.Process("-LineMarker OutlineSquare 0 0 0 6 2 FilledCircle 255 0 0 4 Cross"), 0);
  EXPECT_EQ(t.settings.LineMarker.color[1].red, 1.0f);
  EXPECT_EQ(t.settings.LineMarker.shape[2], 1);  // the lone "Cross" was dropped
  EXPECT_EQ(t.Process("-LineMarker Cross 0 0 0 6 1 -DecimalPoints 3"), 1);
  EXPECT_EQ(t.LastLine(), "ERROR: LineMarker - unknown shape 2");
}

}  // namespace
}  // namespace corvane
