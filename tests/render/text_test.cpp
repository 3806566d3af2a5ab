#include "render/text.h"

#include <gtest/gtest.h>

#include "render/color.h"
#include "support/pdf_page.h"
#include "support/test_run.h"

namespace corvane {
namespace {

using testing::PdfPage;
using testing::TestRun;

TEST(TextTest, PlaceTextWritesTheRotationMatrix) {
  PdfPage pdf;
  HPDF_Page_BeginText(pdf.page);
  PlaceText(pdf.page, 0, 10.5, 20);
  PlaceText(pdf.page, 90, 30, 40);
  HPDF_Page_EndText(pdf.page);
  const auto tm = testing::OpsNamed(pdf.Ops(), "Tm");
  ASSERT_EQ(tm.size(), 2u);
  EXPECT_EQ(tm[0].operands, (std::vector<std::string>{"1", "0", "0", "1", "10.5", "20"}));
  EXPECT_NEAR(tm[1].Num(0), 0, 1e-6);
  EXPECT_EQ(tm[1].Num(1), 1);
  EXPECT_EQ(tm[1].Num(2), -1);
  EXPECT_EQ(tm[1].Num(4), 30);
}

TEST(TextTest, ApplyFontSetsModeAndColoursByStyle) {
  struct Case {
    int style;
    RgbColor fill, stroke;
    std::vector<std::string> expectedOps;  // after Tf
  } cases[] = {
      {kTextStyleNormal, {1, 0, 0}, {0, 0, 1}, {"Tr", "rg"}},
      {kTextStyleStroke, {1, 0, 0}, {0, 0, 1}, {"Tr", "RG", "rg"}},
      {kTextStyleStroke, {1, 0, 0}, {1, 0, 0}, {"Tr", "rg"}},
      {7, {1, 0, 0}, {0, 0, 1}, {}},
  };
  for (const Case& c : cases) {
    TestRun t;
    PdfPage pdf;
    FontSpec spec{12, 6, c.fill, c.style, c.stroke};
    ApplyFont(pdf.CanvasFor(t.run), spec);
    const auto ops = pdf.Ops();
    ASSERT_FALSE(ops.empty());
    EXPECT_EQ(ops[0].op, "Tf");
    EXPECT_EQ(ops[0].operands[1], "12");
    std::vector<std::string> rest;
    for (std::size_t i = 1; i < ops.size(); ++i) rest.push_back(ops[i].op);
    EXPECT_EQ(rest, c.expectedOps) << "style " << c.style;
  }
}

TEST(TextTest, MetricsFollowTheCurrentFont) {
  TestRun t;
  PdfPage pdf;
  ApplyFont(pdf.CanvasFor(t.run), TimesRoman(10));
  // Times-Roman: ascent 683, descent -217, blank 250 per 1000 units.
  EXPECT_DOUBLE_EQ(Ascent(pdf.page), 6.83);
  EXPECT_DOUBLE_EQ(Descent(pdf.page), 2.17);
  EXPECT_DOUBLE_EQ(SpaceWidth(pdf.page), 2.5);
  EXPECT_DOUBLE_EQ(TextWidth(pdf.page, "  "), 5);
}

TEST(ColorTest, GradientInterpolatesAndExtrapolates) {
  const RgbColor blue{0, 0, 1}, red{1, 0, 0};
  struct Case {
    double position;
    RgbColor expected;
  } cases[] = {{0, blue}, {10, red}, {5, {0.5f, 0, 0.5f}}, {20, {2, 0, -1}}};
  for (const Case& c : cases) {
    const RgbColor got = GradientColor(blue, red, 0, 10, c.position);
    EXPECT_TRUE(SameColor(got, c.expected)) << c.position;
  }
  EXPECT_TRUE(SameColor(GradientColor(blue, red, 3, 3, 3), blue));
}

}  // namespace
}  // namespace corvane
