#include "render/markers.h"

#include <gtest/gtest.h>

#include <string>

#include "support/pdf_page.h"

namespace corvane {
namespace {

using testing::Describe;
using testing::PdfPage;

TEST(MarkersTest, PenIsFillForFilledShapesAndStrokeWithWidthForOutlines) {
  const std::string fill = "0.25 0.5 1 rg\n", stroke = "0.25 0.5 1 RG\n2.5 w\n";
  const std::string expected[] = {"", fill, stroke, fill, stroke, stroke, fill, stroke, ""};
  for (int shape = 0; shape <= 8; ++shape) {
    PdfPage pdf;
    SetMarkerPen(shape, pdf.page, {0.25f, 0.5f, 1}, 2.5);
    EXPECT_EQ(Describe(pdf.Ops()), expected[shape]) << "shape " << shape;
  }
}

TEST(MarkersTest, EachShapeBuildsAndPaintsOnePath) {
  // The circle's four curves are the library's; only where it starts is ours.
  const std::string circle = "95 200 m\nc\nc\nc\nc\n";
  const std::string square = "95 195 10 10 re\n";
  const std::string cross = "95 195 m\n105 205 l\n105 195 m\n95 205 l\n";
  // Closed by returning to the first point, not by a close-path operator.
  const std::string diamond = "100 195 m\n95 200 l\n100 205 l\n105 200 l\n100 195 l\n";
  const std::string expected[] = {"",
                                  circle + "f\n",
                                  circle + "S\n",
                                  square + "f\n",
                                  square + "S\n",
                                  cross + "S\n",
                                  diamond + "f\n",
                                  diamond + "S\n",
                                  ""};
  for (int shape = 0; shape <= 8; ++shape) {
    PdfPage pdf;
    DrawMarker(100, 200, 10, shape, pdf.page);
    std::string got;
    for (const auto& op : pdf.Ops()) got += (op.op == "c" ? "c\n" : Describe({op}));
    EXPECT_EQ(got, expected[shape]) << "shape " << shape;
  }
  PdfPage pdf;
  DrawMarker(100, 200, 5, kMarkerFilledSquare, pdf.page);
  EXPECT_EQ(Describe(pdf.Ops()), "97.5 197.5 5 5 re\nf\n");
}

}  // namespace
}  // namespace corvane
