#include "render/category_labels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace corvane {
namespace {

// A 10-point font of round metrics: A 7.5, D 2.5, S 5; labels 40 wide, their tick at 100 on an
// axis whose edge is at 50. sin 45 = cos 45 = 0.7071; sin 30 = cos 60 = 0.5, cos 30 = sin 60 = 0.866.
TEST(CategoryLabelTest, StartsWhereTheTurnedBoxStandsOffItsTick) {
  using enum CategorySide;
  const struct Case {
    CategorySide side;
    double angle;
    double x, y;
  } cases[] = {
      {kBelow, 0, 80, 40},  // centred under the tick, as level labels always were
      // The end's middle under the tick (100 + (A - D) / 2 x 0.7071), the top corner D under the
      // edge (50 - D - A x 0.7071), and the start 40 back along the line.
      {kBelow, 45, 101.77 - 28.28, 42.2 - 28.28},
      {kBelow, 90, 102.5, 7.5},  // reading upwards, centred across the tick: x - A to x + D
      {kLeft, 0, 5, 97.5},       // ending a blank before the edge
      // The end's middle level with the tick, the box's right corner a blank off the edge.
      {kLeft, 30, 50 - 5 - 1.25 - 34.64, 100 - 2.17 - 20},
      {kLeft, 90, 42.5, 80},  // centred along the tick
      {kRight, 0, 60, 97.5},  // starting two blanks after the edge
      {kRight, 60, 60 + 6.5, 100 - 1.25},
      {kRight, 90, 67.5, 80},
  };
  for (const Case& c : cases) {
    const CategoryAxis axis{c.side, 50, c.angle, 7.5, 2.5, 5};
    const Point start = CategoryLabelStart(axis, 100, 40);
    EXPECT_NEAR(start.x, c.x, 0.01) << static_cast<int>(c.side) << " at " << c.angle;
    EXPECT_NEAR(start.y, c.y, 0.01) << static_cast<int>(c.side) << " at " << c.angle;
  }
}

// Below the plot: A + 3D level; turned, a descender's depth above and below the turned box,
// (A + D) cos + w sin deep. Beside it: the box's width, w cos + (A + D) sin.
TEST(CategoryLabelTest, RoomIsTheTurnedExtentInWholePoints) {
  EXPECT_EQ(CategoryRoomBelow(0, 7.5, 2.5, 40), 15);
  EXPECT_EQ(CategoryRoomBelow(45, 7.5, 2.5, 40), 40);  // 5 + 7.07 + 28.28
  EXPECT_EQ(CategoryRoomBelow(90, 7.5, 2.5, 40), 45);
  EXPECT_DOUBLE_EQ(CategoryWidthAcross(0, 7.5, 2.5, 40), 40);
  EXPECT_NEAR(CategoryWidthAcross(30, 7.5, 2.5, 40), 34.64 + 5, 0.01);
  EXPECT_DOUBLE_EQ(CategoryWidthAcross(90, 7.5, 2.5, 40), 10);
}

// Labels as the line chart writes them under a plot 400 wide from x = 100: n ticks 400 / (n - 1)
// apart, each label as wide as its text at 5 points a character.
std::vector<PlacedLabel> Placed(const CategoryAxis& axis, const std::vector<std::string>& texts) {
  std::vector<PlacedLabel> placed;
  const double step = 400.0 / (texts.size() - 1);
  for (std::size_t k = 0; k < texts.size(); ++k) {
    const double w = 5.0 * texts[k].size();
    placed.push_back({CategoryLabelStart(axis, 100 + k * step, w), w});
  }
  return placed;
}

// Twelve labels 60 wide, 36.36 apart: level ones need 65 between ticks (a width and a blank),
// every second; turned by 45 degrees their lines stand 25.7 apart, more than their height of 10,
// so all are written. 365 labels 25 to 35 wide, 1.0989 apart: level ones need 40 (k = 37, not 36:
// 39.56), at 45 degrees 10 / 0.7071 = 14.14 (k = 13, not 12: 13.19), upright 10 (k = 10, not 9).
TEST(AutoLabelSpacingTest, TheSmallestSpacingThatKeepsTheLabelsApart) {
  std::vector<std::string> months(12, "January 2026"), days;
  for (int d = 1; d <= 365; ++d) days.push_back("Day " + std::to_string(d));
  const struct Case {
    const std::vector<std::string>& texts;
    double angle;
    int k;
  } cases[] = {{months, 0, 2}, {months, 45, 1}, {days, 0, 37}, {days, 45, 13}, {days, 90, 10}};
  for (const Case& c : cases) {
    const CategoryAxis axis{CategorySide::kBelow, 100, c.angle, 7.5, 2.5, 5};
    EXPECT_EQ(AutoLabelSpacing(axis, Placed(axis, c.texts)), c.k) << c.texts.size() << " at " << c.angle;
  }
  // Beside horizontal bars, level labels 10 high and 20 apart need no thinning; 9 apart, every second.
  for (const auto& [pitch, k] : {std::pair{20.0, 1}, std::pair{9.0, 2}}) {
    const CategoryAxis axis{CategorySide::kLeft, 100, 0, 7.5, 2.5, 5};
    std::vector<PlacedLabel> placed;
    for (int i = 0; i < 10; ++i) placed.push_back({CategoryLabelStart(axis, 100 + i * pitch, 40), 40});
    EXPECT_EQ(AutoLabelSpacing(axis, placed), k) << pitch;
  }
}

TEST(AutoLabelSpacingTest, NumbersKeepTheirMeaningAndNoneWritesEveryLabel) {
  const CategoryAxis axis{CategorySide::kBelow, 100, 0, 7.5, 2.5, 5};
  const std::vector<PlacedLabel> crowded = Placed(axis, std::vector<std::string>(12, "January 2026"));
  EXPECT_EQ(LabelEvery(std::nullopt, axis, crowded), 1);
  EXPECT_EQ(LabelEvery(WholeOrAuto{.value = 5}, axis, crowded), 5);
  EXPECT_EQ(LabelEvery(WholeOrAuto{.automatic = true}, axis, crowded), 2);
  EXPECT_EQ(AutoLabelSpacing(axis, {}), 1);
}

}  // namespace
}  // namespace corvane
