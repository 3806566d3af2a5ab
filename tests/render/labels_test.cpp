#include "render/labels.h"

#include <gtest/gtest.h>

#include <tuple>

namespace corvane {
namespace {

TEST(ValueTextTest, FollowsTheDataKindAndDecimalPoints) {
  // Time values, decimal point seen, DecimalPoints, the value and its text.
  const std::tuple<bool, bool, int, double, const char*> cases[] = {
      {false, true, 2, 3.14159, "3.14"},      {false, true, 0, 1234.5, "1234"},
      {false, false, 1, -2.9, "-2"},          {false, true, 1, 2147483648.25, "2147483648.2"},
      // Whole numbers beyond the 2.1 billion of 32 bits, up to where 64 bits end.
      {false, false, 1, -3e9, "-3000000000"}, {false, false, 1, 1e300, "9223372036854775807"},
      // Times: milliseconds shown whole, zero-padded to the decimal points; hours not wrapped.
      {true, true, 3, 3723004, "1:02:03.004"}, {true, true, 1, 3723004, "1:02:03.4"},
      {true, true, 1, 3723400, "1:02:03.400"}, {true, false, 3, 100000000, "27:46:40"},
      {true, true, 3, 2147484647.0, "596:31:24.647"},  // beyond 32 bits of milliseconds
      // Cut at 31 characters.
      {false, true, 9, 1e30, "1000000000000000019884624838656"},
      {true, true, 9, 1e300, "2562047788015:12:55.000000807"},
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
  const std::string L90(90, 'L'), L85(85, 'L'), L84(84, 'L');
  // The item's label, the template and the label made of them with the value 12.5.
  const std::tuple<std::string, std::string, std::string> cases[] = {
      {"North", "TTTT (VVVV)", "North (12.5)"}, {"North", std::string(100, 'x'), std::string(85, 'x')},
      {"North", "TTTTT", "NorthT"},             {"North", "TTTVVVV tttt", "TTT12.5 tttt"},
      {"aVVVVb", "TTTT", "aVVVVb"},  // inserted text is not scanned again
      {L90, "ab TTTT", "ab " + L90.substr(0, 82)}, {L84, "TTTTVVVV", L84 + "1"}, {L85, "TTTT!", L85},
  };
  ChartSettings settings;
  DataTable data;
  data.decimalSeen = true;
  for (const auto& [label, labelTemplate, expected] : cases) {
    EXPECT_EQ(FormatLabel(settings, data, DataItem{label, {}}, 12.5, labelTemplate), expected);
  }
}

}  // namespace
}  // namespace corvane
