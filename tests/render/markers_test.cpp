#include "render/markers.h"

#include <gtest/gtest.h>

#include <string>

#include "support/pdf_page.h"

namespace corvane {
namespace {

// Filled shapes take the colour as fill; outlines as stroke, with the outline's width.
TEST(MarkersTest, EachShapeSetsItsPenAndPaintsOnePath) {
  const std::string fill = "0.25 0.5 1 rg\n", stroke = "0.25 0.5 1 RG\n2.5 w\n";
  // The circle's four curves are the library's; only where it starts is ours.
  const std::string circle = "95 200 m\nc\nc\nc\nc\n", square = "95 195 10 10 re\n";
  const std::string cross = "95 195 m\n105 205 l\n105 195 m\n95 205 l\n";
  // Closed by returning to the first point, not by a close-path operator.
  const std::string diamond = "100 195 m\n95 200 l\n100 205 l\n105 200 l\n100 195 l\n";
  // By shape number; 0 and 8 draw nothing.
  const std::string expected[] = {"", fill + circle + "f\n", stroke + circle + "S\n", fill + square + "f\n",
                                  stroke + square + "S\n", stroke + cross + "S\n", fill + diamond + "f\n",
                                  stroke + diamond + "S\n", ""};
  for (int shape = 0; shape <= 8; ++shape) {
    testing::PdfPage pdf;
    SetMarkerPen(shape, pdf.page, {0.25f, 0.5f, 1}, 2.5);
    DrawMarker(100, 200, 10, shape, pdf.page);
    std::string got;
    for (const auto& op : pdf.Ops()) got += (op.op == "c" ? "c\n" : testing::Describe({op}));
    EXPECT_EQ(got, expected[shape]) << "shape " << shape;
  }
}

}  // namespace
}  // namespace corvane
