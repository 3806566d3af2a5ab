#include "render/headings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/pdf_page.h"
#include "support/test_run.h"

namespace corvane {
namespace {

using Lines = std::vector<std::string>;

// Times-Roman per 1000 units: ascender 683, descender 217, blank 250; "Sales" is 2111 wide and
// "Q3" 1222. The heading is 18 points, the subheading 14, on an 800 x 600 page.
TEST(DrawHeadingsTest, PlacesTheHeadingsAndTakesTheirRoomFromTheChartArea) {
  using enum VerticalAlignment;
  using enum HorizontalAlignment;
  struct Case {
    const char *title, *subject;
    VerticalAlignment vertical;
    HorizontalAlignment horizontal;
    Lines texts;            // each with where it starts
    std::vector<int> area;  // left, top, right, bottom
  } cases[] = {
      {"Sales", "Q3", kTop, kLeft, {"Sales 2.25 579.894", "Q3 1.75 563.388"}, {4, 555, 796, 3}},
      {"Sales", "Q3", kBottom, kCentre, {"Sales 381.001 24.318", "Q3 391.446 7.812"}, {4, 597, 796, 44}},
      {"", "Q3", kTop, kRight, {"Q3 781.142 587.4"}, {3, 581, 797, 3}},
      {"", "", kBottom, kLeft, {}, {5, 595, 795, 5}},
  };
  for (const Case& c : cases) {
    testing::TestRun t;
    testing::PdfPage pdf;
    t.settings.Title = c.title;
    t.settings.Subject = c.subject;
    t.settings.ChartHeading = {c.vertical, c.horizontal};
    ChartArea area{0, 600, 800, 0};
    DrawHeadings(pdf.CanvasFor(t.run), area);
    EXPECT_EQ((std::vector<int>{area.left, area.top, area.right, area.bottom}), c.area) << c.subject;
    EXPECT_EQ(testing::PlacedTexts(pdf.Ops()), c.texts);
  }
}

}  // namespace
}  // namespace corvane
