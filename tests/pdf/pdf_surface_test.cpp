#include "pdf/pdf_surface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <utility>

#include "support/pdf_page.h"

namespace corvane {
namespace {

// Numbers of whole paths go to the page to the nearest hundredth of a point, as short as they
// can be, and never as something a reader cannot read.
TEST(WritePdfRealTest, NumbersAreWrittenToTheNearestHundredth) {
  const struct { float value; const char* written; } cases[] = {
      {0, "0"},           {-0.0F, "0"},        {-0.004F, "0"},       {0.006F, "0.01"},
      {0.05F, "0.05"},    {12.5F, "12.5"},     {-3.25F, "-3.25"},    {776.59735F, "776.6"},
      {0.999F, "1"},      {99.996F, "100"},    {100, "100"},         {32767.9F, "32767"},
      {-40000, "-32767"}, {1e30F, "32767"},    {-1e-30F, "0"},       {std::nanf(""), "0"},
  };
  for (const auto& c : cases) {
    char text[16];
    EXPECT_EQ(std::string(text, WritePdfReal(text, c.value)), c.written) << c.value;
  }
}

// The frame's shapes and the text go through libharu's own operators, five decimals of a
// float; a close followed by its paint is one operator; whole paths are written to a hundredth.
TEST(PdfSurfaceTest, WritesEachCallAsLibharuWritesItsOperator) {
  const std::pair<std::function<void(Surface&)>, const char*> cases[] = {
      {[](Surface& s) {
         s.Save();
         s.SetLineWidth(1.0 / 3);
         s.SetDash(std::vector<double>{3, 2}, 1);
         s.SetDash({}, 0);
         s.Restore();
       },
       "q\n0.33333 w\n[3 2 ] 1 d\n[] 0 d\nQ\n"},
      {[](Surface& s) {
         s.Rectangle(1, 2, 3, 4.5);
         s.Clip();
         s.MoveTo(0, 0);
         s.CurveTo(1, 2, 3, 4, 5, 6);
         s.ClosePath();
         s.FillAndStroke();
       },
       "1 2 3 4.5 re\nW\nn\n0 0 m\n1 2 3 4 5 6 c\nb\n"},
      {[](Surface& s) {
         s.MoveTo(0, 0);
         s.LineTo(10, 0);
         s.ClosePath();
         s.MoveTo(5, 5);
         s.LineTo(5, 9);
         s.ClosePath();
         s.Stroke();
       },
       "0 0 m\n10 0 l\nh\n5 5 m\n5 9 l\ns\n"},
      {[](Surface& s) {
         Path path;
         path.MoveTo(1.0 / 3, 2.0 / 3);
         path.LineTo(10.005, -0.004);
         path.Rectangle(1, 2, 3, 4);
         s.StrokePath(path);
         s.FillPath(Path());
       },
       "0.33 0.67 m\n10.01 0 l\n1 2 3 4 re\nS\n"},
      {[](Surface& s) {
         s.SetFont(s.FontFor(StandardFont::kCourier), 12);
         s.SetTextRendering(TextRendering::kFillThenStroke);
         s.ShowText(10.5, 20, 90, "Hi");
       },
       "/F1 12 Tf\n2 Tr\nBT\n0 1 -1 0 10.5 20 Tm\n(Hi) Tj\nET\n"},
  };
  for (const auto& [draw, content] : cases) {
    testing::PdfPage pdf;
    draw(pdf.surface);
    EXPECT_EQ(pdf.Content(), content);
  }
}

// The arc's end is where libharu's last curve ends, and the next line starts from it.
TEST(PdfSurfaceTest, AnArcEndsWhereItsLastCurveEnds) {
  testing::PdfPage pdf;
  pdf.surface.MoveTo(100, 100);
  pdf.surface.Arc(100, 100, 50, 0, 90);
  const Point end = pdf.surface.CurrentPoint();
  pdf.surface.Fill();
  EXPECT_EQ(std::pair(end.x, end.y), std::pair(150.0, 100.0));
  const auto curves = testing::OpsNamed(pdf.Ops(), "c");
  ASSERT_FALSE(curves.empty());
  EXPECT_EQ(std::pair(curves.back().Num(4), curves.back().Num(5)), std::pair(end.x, end.y));
}

// A stamp's shape is written once, as a form clipped to its reach, and placed at each point.
TEST(PdfSurfaceTest, AStampIsAFormPlacedAtEachPoint) {
  testing::PdfPage pdf;
  Path square;
  square.Rectangle(-2, -2, 4, 4);
  const auto stamp = pdf.surface.MakeStamp(square, Paint::kStroke, 7.5);
  stamp->DrawAt(100, 200.5);
  stamp->DrawAt(-3, 4);
  EXPECT_EQ(pdf.Content(), "q 1 0 0 1 100 200.5 cm /X1 Do Q\nq 1 0 0 1 -3 4 cm /X1 Do Q\n");
  std::string dictionary;
  EXPECT_EQ(testing::FormContent(pdf.Bytes(), "X1", &dictionary), "-2 -2 4 4 re\nS\n");
  EXPECT_NE(dictionary.find("/BBox [ -7.5 -7.5 7.5 7.5 ]"), std::string::npos) << dictionary;
}

// Text is measured as libharu's page measures it, widths in single precision: the layout
// truncates them, and a width in another precision would move a label by a point.
TEST(PdfFontTest, MeasuresAsTheLibraryDoes) {
  testing::PdfPage pdf;
  const Font& times = pdf.surface.FontFor(StandardFont::kTimesRoman);
  EXPECT_EQ(std::pair(times.Ascent(10), times.Descent(10)), std::pair(6.83, 2.17));
  for (const StandardFont font : {StandardFont::kTimesRoman, StandardFont::kHelveticaBoldOblique}) {
    for (const double size : {7.0, 13.0, 300.0}) {
      HPDF_Page_SetFontAndSize(pdf.page, static_cast<const PdfFont&>(pdf.surface.FontFor(font)).handle(),
                               static_cast<float>(size));
      for (const char* text : {"Sales (k EUR)", "W", "\xC9t\xE9 1:02:03.5"}) {
        EXPECT_EQ(pdf.surface.FontFor(font).Width(text, size), HPDF_Page_TextWidth(pdf.page, text)) << text;
      }
    }
  }
}

}  // namespace
}  // namespace corvane
