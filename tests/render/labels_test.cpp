#include "render/labels.h"

#include <gtest/gtest.h>

#include <tuple>

namespace corvane {
namespace {

TEST(ValueTextTest, FollowsTheDataKindAndDecimalPoints) {
  // Time values, decimal point seen, DecimalPoints, the value and its text.
  const std::tuple<bool, bool, int, double, const char*> cases[] = {
      {false, true, 2, 3.14159, "3.14"}, {false, true, 0, 1234.5, "1234"}, {false, false, 1, -2.9, "-2"},
      // Whole numbers beyond the 2.1 billion of 32 bits, exact up to 2^63 where 64 bits end.
      {false, false, 1, 9223372036854774784.0, "9223372036854774784"},
      {false, false, 1, 9223372036854775808.0, "9223372036854775807"},
      // Times: milliseconds shown whole, zero-padded to the decimal points; hours not wrapped.
      {true, true, 3, 3723004, "1:02:03.004"}, {true, true, 1, 3723400, "1:02:03.400"},
      {true, false, 3, 100000000, "27:46:40"}, {true, true, 3, 2147484647.0, "596:31:24.647"},  // > 32 bits
      {false, true, 9, 1e30, "1000000000000000019884624838656"},  // cut at 31 characters
  };
  for (const auto& [time, decimalSeen, decimalPoints, value, text] : cases) {
    ChartSettings settings;
    settings.DecimalPoints = decimalPoints;
    DataTable data;
    data.timeValues = time;
    data.decimalSeen = decimalSeen;
    EXPECT_EQ(ValueText(settings, data, value), text) << value;
  }
}

TEST(FormatLabelTest, ExpandsPlaceholdersWithin85Characters) {
  const std::string L90(90, 'L'), L84(84, 'L');
  // The item's label, the template and the label made of them with the value 12.5; inserted text
  // is not scanned again.
  const std::tuple<std::string, std::string, std::string> cases[] = {
      {"North", "TTTT (VVVV)", "North (12.5)"}, {"North", "TTTVVVV tttt", "TTT12.5 tttt"},
      {"aVVVVb", "TTTT", "aVVVVb"}, {L90, "ab TTTT", "ab " + L90.substr(0, 82)}, {L84, "TTTTVVVV", L84 + "1"},
  };
  ChartSettings settings;
  DataTable data;
  data.decimalSeen = true;
  for (const auto& [label, labelTemplate, expected] : cases) {
    EXPECT_EQ(FormatLabel(settings, data, DataItem{label, {}}, 12.5, labelTemplate), expected);
  }
}

// The share in per cent with DecimalPoints decimals, halves rounded up; 0 of a total of 0; never
// written "-0", even for a value of -0 or a share that rounds to 0 from below.
TEST(ShareTextTest, PerCentOfTheTotalRoundedToTheDecimalPoints) {
  const std::tuple<int, double, double, const char*> cases[] = {
      {1, 27.4, 100, "27.4"}, {1, 1, 3, "33.3"},   {2, 2, 3, "66.67"},   {0, 1, 8, "13"},  // 12.5 up
      {1, 1, 8, "12.5"},      {9, 1, 3, "33.333333333"},              {1, 5, 0, "0.0"},  // 5 and -5
      {1, -0.0, 10, "0.0"},   {1, -0.0004, 100, "0.0"}, {1, -1, -4, "25.0"},             // all negative
  };
  for (const auto& [decimalPoints, value, total, text] : cases) {
    ChartSettings settings;
    settings.DecimalPoints = decimalPoints;
    EXPECT_EQ(ShareText(settings, value, total), text) << value << " of " << total;
  }
}

// PPPP is a placeholder only where a total is given (the pie's templates), and inserted text is
// not scanned again.
TEST(FormatLabelTest, PppPStandsForTheShareOnlyInThePiesTemplates) {
  ChartSettings settings;
  DataTable data;
  data.decimalSeen = true;
  EXPECT_EQ(FormatLabel(settings, data, DataItem{"Wind", {}}, 27.4, "TTTT PPPP% (VVVV)", 100.0), "Wind 27.4% (27.4)");
  EXPECT_EQ(FormatLabel(settings, data, DataItem{"aPPPPb", {}}, 1, "TTTT PPP PPPPP", 4.0), "aPPPPb PPP 25.0P");
  EXPECT_EQ(FormatLabel(settings, data, DataItem{"Wind", {}}, 27.4, "TTTT PPPP%"), "Wind PPPP%");
}

}  // namespace
}  // namespace corvane
