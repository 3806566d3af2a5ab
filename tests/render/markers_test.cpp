#include "render/markers.h"

#include <gtest/gtest.h>

#include <string>

#include "support/recording_surface.h"

namespace corvane {
namespace {

const std::string kCirclePath =
    "m 95 200, c 95 202.76 97.24 205 100 205, c 102.76 205 105 202.76 105 200, "
    "c 105 197.24 102.76 195 100 195, c 97.24 195 95 197.24 95 200";
const std::string kSquarePath = "re 95 195 10 10";
const std::string kCrossPath = "m 95 195, l 105 205, m 105 195, l 95 205";
// Closed by returning to the first point, not by a close-path operator.
const std::string kDiamondPath = "m 100 195, l 95 200, l 100 205, l 105 200, l 100 195";

// Filled shapes take the colour as fill; outlines as stroke, with the outline's width. Each
// marker is one path around its centre: circles of diameter size (libharu's four quarters),
// squares of side size, the cross over that square, diamonds with corners size / 2 away.
TEST(MarkersTest, EachShapeSetsItsPenAndPaintsOnePath) {
  const std::string fill = "fill-color 0.25 0.5 1; fill-path ";
  const std::string stroke = "stroke-color 0.25 0.5 1; line-width 2.5; stroke-path ";
  using enum MarkerShape;
  const std::pair<MarkerShape, std::string> cases[] = {
      {kFilledCircle, fill + kCirclePath},   {kOutlineCircle, stroke + kCirclePath}, {kFilledSquare, fill + kSquarePath},
      {kOutlineSquare, stroke + kSquarePath}, {kCross, stroke + kCrossPath},          {kFilledDiamond, fill + kDiamondPath},
      {kOutlineDiamond, stroke + kDiamondPath},
  };
  for (const auto& [shape, expected] : cases) {
    testing::RecordingSurface surface;
    SetMarkerPen(surface, shape, {0.25f, 0.5f, 1}, 2.5);
    DrawMarker(surface, 100, 200, 10, shape);
    EXPECT_EQ(surface.Joined(), expected);
  }
}

// A stamp is the marker drawn around the origin, with room for a stroke of four times the
// outline's thickness and a point more on every side.
TEST(MarkersTest, AStampIsTheMarkerAtTheOrigin) {
  testing::RecordingSurface surface;
  MakeMarkerStamp(surface, MarkerShape::kOutlineSquare, 10, 2.5)->DrawAt(100, 200);
  MakeMarkerStamp(surface, MarkerShape::kFilledDiamond, 4, 1);
  EXPECT_EQ(surface.Joined(), "stamp 1 stroke reach 21: re -5 -5 10 10; place 1 100 200; "
                              "stamp 2 fill reach 9: m 0 -2, l -2 0, l 0 2, l 2 0, l 0 -2");
}

}  // namespace
}  // namespace corvane
