#include "cairo/image_document.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/run.h"
#include "support/test_run.h"

namespace corvane {
namespace {

using testing::TestRun;

// A failure inside cairo (here a surface larger than it can make, which the run sequence
// refuses before it gets here) is reported and gives no image.
TEST(ImageDocumentTest, ACairoFailureIsReportedAndGivesNoImage) {
  TestRun t;
  t.settings.Chart.type = ChartType::kPie;
  t.settings.Chart.style = ChartStyle::kPie;
  t.Fill({{1}, {2}});
  t.settings.Page.width = 10000;
  t.settings.Resolution = 1200;
  std::string image = "old";
  EXPECT_EQ(MakeImageInMemory(t.document, OutputFormat::kPng, image), 1);
  EXPECT_EQ(image, "");
  EXPECT_EQ(t.LastLine(),
            "ERROR: Output - could not draw the PNG: invalid value (typically too big) for the size of the input "
            "(surface, pattern, etc.)");
}

// The right half of a PNG is drawn in a second thread where one may run: the image is the one
// a single thread draws, and each line is logged once (here a warning and the Greek title's font).
TEST(ImageDocumentTest, TwoThreadsDrawThePixelsOneThreadDraws) {
  const std::vector<std::string> charts = {
      "-Chart Line Curved -Line #1F77B4 2 #FF7F0E 1 -Datum A 1 2 -Datum B 3 1 -Datum C 2 2 -Datum D 4 3 "
      "-Title \"\xCE\xA4\xCE\xAF\xCF\x84\xCE\xBB\xCE\xBF\xCF\x82\" "
      "-LineMarker FilledCircle #1F77B4 3 OutlineSquare #FF7F0E 3 0.5",
      "-Chart Pie 2D -PieColor #1B9E77 -PieColor #D95F02 -PieColor #7570B3 -Datum A 1 -Datum B 2 -Datum C 3 "
      "-PieLabel Spoke \"TTTT\" 8 Helvetica #222222 Normal -Title \"Shares \xEE\x80\x80\"",
      "-Chart Bar V -BarColor #3366CC #99CCFF -Datum North 12.5 -Datum South 8 -Title Sales",
  };
  for (const std::string& chart : charts) {
    SCOPED_TRACE(chart);
    std::string images[2];
    std::vector<std::string> lines[2];
    for (int k = 0; k < 2; ++k) {
      TestRun t;
      ASSERT_EQ(PrepareChart(t.run, "-Output chart.png " + chart), 0) << t.LastLine();
      t.document.drawingThreads = k + 1;
      EXPECT_EQ(MakeImageInMemory(t.document, OutputFormat::kPng, images[k]), 0) << t.LastLine();
      lines[k] = t.Lines();
    }
    EXPECT_GT(images[0].size(), 1000u);
    EXPECT_TRUE(images[0] == images[1]);
    EXPECT_EQ(lines[0], lines[1]);
    EXPECT_EQ(std::set<std::string>(lines[1].begin(), lines[1].end()).size(), lines[1].size());
  }
}

TEST(ImageDocumentTest, PixelsArePageTimesResolutionRounded) {
  ChartSettings s;
  EXPECT_EQ(ImagePixels(s).width, 1067);
  EXPECT_EQ(ImagePixels(s).height, 800);
  s.Page.width = 101;
  s.Resolution = 36;
  EXPECT_EQ(ImagePixels(s).width, 51);  // 50.5 rounds up
}

}  // namespace
}  // namespace corvane
