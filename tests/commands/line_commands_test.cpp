#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/test_run.h"

namespace corvane {
namespace {

using testing::TestRun;

// Each text fails with exactly its one message.
void ExpectEachFails(const std::vector<std::pair<std::string, std::string>>& cases) {
  for (const auto& [text, message] : cases) {
    TestRun t;
    EXPECT_EQ(t.Process(text), 1) << text;
    EXPECT_EQ(t.Lines(), std::vector<std::string>{message}) << text;
  }
}

std::string Repeat(const std::string& group, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += group;
  return text;
}

const std::string kTenLines = "-Line" + Repeat(" 0 0 0 1", 10);
const std::string kTenMarkers = "-LineMarker" + Repeat(" FilledSquare 0 0 0 5", 10);
// The range message every thickness and size shares, after the command and the subject.
const std::string kRange = " must be greater than 0.0 and less than or equal to 100.0";

TEST(LineCommandsTest, LineEndsAtTheNextItemOrAfterAColour) {
  TestRun t;
  ASSERT_EQ(t.Process("-Line 255 0 0 2 0 0 255 1.5 -DecimalPoints 3"), 0);
  EXPECT_EQ(t.settings.Line.color[1].blue, 1.0f);
  EXPECT_EQ(t.settings.Line.thickness[1], 1.5);
  EXPECT_EQ(t.settings.DecimalPoints, 3);
  ASSERT_EQ(t.Process("-Line 0 0 0 1 0 255 0 7 #00FF00"), 0);
  EXPECT_EQ(t.settings.Line.color[2].green, 1.0f);
  EXPECT_EQ(t.settings.Line.thickness[2], 1.0);  // no thickness after the last colour
  EXPECT_EQ(t.Process(kTenLines), 0);
}

TEST(LineCommandsTest, LineMarkerReadsToTheEndAndDropsALastLoneWord) {
  TestRun t;
  ASSERT_EQ(t.Process("-LineMarker OutlineSquare 0 0 0 6 2 FilledCircle 255 0 0 4 Cross"), 0);
  EXPECT_EQ(t.settings.LineMarker.on, 1);
  EXPECT_EQ(t.settings.LineMarker.outlineThickness[0], 2.0);
  EXPECT_EQ(t.settings.LineMarker.color[1].red, 1.0f);
  EXPECT_EQ(t.settings.LineMarker.shape[2], 1);
  EXPECT_EQ(t.Process(kTenMarkers + " Cross"), 0);
}

TEST(LineCommandsTest, ReferenceLinesAndAreaStoreTheirValues) {
  TestRun t;
  ASSERT_EQ(t.Process("-AverageLine 0 0 0 100 \"\" -TargetLine 255 0 0 1 -5 Goal -Area 0 0 0 2 0 1.0 0"), 0);
  EXPECT_EQ(t.settings.AverageLine.on, 1);
  EXPECT_EQ(t.settings.TargetLine.value, -5.0);
  EXPECT_EQ(t.settings.TargetLine.label, "Goal");
  EXPECT_EQ(t.settings.Area.fillColor.green, 1.0f);
  ASSERT_EQ(t.Process("-LineOfBestFit 0 0 0 1 -MovingAverageMarker FilledDiamond 0 0 0 5"), 0);
  EXPECT_EQ(t.settings.LineOfBestFit.on, 1);
  EXPECT_EQ(t.settings.MovingAverageMarker.on, 1);
  ASSERT_EQ(t.Process("-MovingAverageLine 2 0 0 0 1 -AverageLine 0 0 0 1 " + std::string(100, 'L')), 0);
  ASSERT_EQ(t.Process("-MovingAverageLine 100 0 0 0 1"), 0);
  EXPECT_EQ(t.settings.MovingAverageLine.on, 1);
  // A failing command never switches its line on.
  EXPECT_EQ(t.Process("-LineMarker Star 0 0 0 6"), 1);
  EXPECT_EQ(t.settings.LineMarker.on, 0);
}

TEST(LineCommandsTest, RejectBadArguments) {
  ExpectEachFails({
      {kTenLines + " 0 0 0 1", "ERROR: Line - too many data series lines specified (max is 10)"},
      {"-Line 255 0 0 0", "ERROR: Line - thickness 1" + kRange},
      {"-Line -DecimalPoints 3", "ERROR: Line - no thickness 1"},
      {"-Line 0 0 0 1 0 0 0 x", "ERROR: Line - no thickness 2"},
      {"-Line 0 0 0 1 300 0 0 1", "ERROR: Line - color 2 is not valid"},
      {kTenMarkers + " Cross x", "ERROR: LineMarker - too many data series lines specified (max is 10)"},
      {"-LineMarker", "ERROR: LineMarker - shape 1 not specified"},
      {"-LineMarker Cross 0 0 0 1 1 " + std::string(20, 'C') + " x", "ERROR: LineMarker - shape 2 too long"},
      {"-LineMarker Star 0 0 0 6", "ERROR: LineMarker - unknown shape 1"},
      {"-LineMarker Cross 0 0 0 6 1 -DecimalPoints 3", "ERROR: LineMarker - unknown shape 2"},
      {"-LineMarker Cross 0 0 0 big", "ERROR: LineMarker - no size 1"},
      {"-LineMarker Cross 0 0 0 6 1 Cross 0 0 0 0 1", "ERROR: LineMarker - size 2" + kRange},
      {"-LineMarker Cross 0 0 0 6", "ERROR: LineMarker - outline thickness 1" + kRange},
      {"-LineMarker Cross 0 0 0 6 thin", "ERROR: LineMarker - no outline thickness 1"},
      {"-LineOfBestFit 0 0 0 0", "ERROR: LineOfBestFit - thickness" + kRange},
      {"-AverageLine 0 0 0 1 " + std::string(101, 'L'), "ERROR: AverageLine - label too long"},
      {"-TargetLine 0 0 0 1 x Goal", "ERROR: TargetLine - no target value"},
      {"-TargetLine 0 0 0 1 5", "ERROR: TargetLine - label not specified"},
      {"-MovingAverageLine 1 0 0 0 1", "ERROR: MovingAverageLine - samples must be between 2 and 100"},
      {"-MovingAverageLine 101 0 0 0 1", "ERROR: MovingAverageLine - samples must be between 2 and 100"},
      {"-MovingAverageMarker " + std::string(20, 'C'), "ERROR: MovingAverageMarker - shape too long"},
      {"-MovingAverageMarker OutlineDiamond 0 0 0 5",
       "ERROR: MovingAverageMarker - outline thickness" + kRange},
      {"-MovingAverageMarker Cross 0 0 0 5 x", "ERROR: MovingAverageMarker - no shape outline thickness"},
      {"-Area 0 0 0 1 0 0 300", "ERROR: Area - fill color is not valid"},
  });
}

}  // namespace
}  // namespace corvane
