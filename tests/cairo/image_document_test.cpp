#include "cairo/image_document.h"

#include <gtest/gtest.h>

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
