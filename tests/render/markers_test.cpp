#include "render/markers.h"

#include <gtest/gtest.h>
#include <hpdf_pages.h>

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
  // In the order of MarkerShape.
  const std::string expected[] = {fill + circle + "f\n", stroke + circle + "S\n", fill + square + "f\n",
                                  stroke + square + "S\n", stroke + cross + "S\n", fill + diamond + "f\n",
                                  stroke + diamond + "S\n"};
  for (int shape = 0; shape < 7; ++shape) {
    testing::PdfPage pdf;
    SetMarkerPen(static_cast<MarkerShape>(shape), pdf.page, {0.25f, 0.5f, 1}, 2.5);
    DrawMarker(100, 200, 10, static_cast<MarkerShape>(shape), pdf.page);
    std::string got;
    for (const auto& op : pdf.Ops()) got += (op.op == "c" ? "c\n" : testing::Describe({op}));
    EXPECT_EQ(got, expected[shape]) << "shape " << shape;
  }
}

// What a stamp's form holds: its stream, and its clipping box as written.
std::string FormOf(HPDF_Page page, const char* name, std::string& box) {
  const auto attr = static_cast<HPDF_PageAttr>(page->attr);
  const auto form = static_cast<HPDF_Dict>(HPDF_Dict_GetItem(attr->xobjects, name, HPDF_OCLASS_DICT));
  const auto edges = static_cast<HPDF_Array>(HPDF_Dict_GetItem(form, "BBox", HPDF_OCLASS_ARRAY));
  for (HPDF_UINT i = 0; i < edges->list->count; ++i) {
    const auto edge = static_cast<HPDF_Real>(HPDF_Array_GetItem(edges, i, HPDF_OCLASS_REAL));
    box += std::to_string(static_cast<int>(edge->value)) + " ";
  }
  std::string bytes(HPDF_Stream_Size(form->stream), '\0');
  HPDF_UINT size = static_cast<HPDF_UINT>(bytes.size());
  HPDF_Stream_Seek(form->stream, 0, HPDF_SEEK_SET);
  HPDF_Stream_Read(form->stream, reinterpret_cast<HPDF_BYTE*>(bytes.data()), &size);
  return bytes;
}

// A stamp's form is the marker drawn once at the origin, in a box with room for its outline,
// and each placement moves it to its point.
TEST(MarkersTest, AStampPlacesTheMarkerDrawnAtTheOrigin) {
  for (int number = 0; number < 7; ++number) {
    const auto shape = static_cast<MarkerShape>(number);
    testing::PdfPage direct, stamped;
    DrawMarker(0, 0, 10, shape, direct.page);
    MarkerStamp stamp(stamped.page, shape, 10, 2.5);
    stamp.DrawAt(100, 200.5);
    stamp.DrawAt(-3, 4);
    EXPECT_EQ(testing::Describe(stamped.Ops()),
              testing::Describe(testing::ParseContent("q 1 0 0 1 100 200.5 cm /X1 Do Q q 1 0 0 1 -3 4 cm /X1 Do Q")));
    std::string box;
    EXPECT_EQ(testing::Describe(testing::ParseContent(FormOf(stamped.page, "X1", box))),
              testing::Describe(direct.Ops()))
        << "shape " << number;
    EXPECT_EQ(box, "-21 -21 21 21 ");
  }
}

}  // namespace
}  // namespace corvane
