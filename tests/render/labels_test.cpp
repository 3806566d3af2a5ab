#include "render/labels.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(ValueTextTest, FollowsTheDataKindAndDecimalPoints) {
  struct Case {
    bool time, decimalSeen;
    int decimalPoints;
    double value;
    const char* text;
  } cases[] = {
      {false, true, 1, 12.5, "12.5"},        {false, false, 1, 12, "12"},
      {false, false, 1, 2.9, "2"},           {false, false, 1, -2.9, "-2"},
      {false, true, 0, 1234.5, "1234"},      {false, true, 2, 3.14159, "3.14"},
      {false, true, 9, 0.5, "0.500000000"},  {false, true, 1, 2147483648.25, "2147483648.2"},
      // Whole numbers beyond the 2.1 billion of 32 bits, up to where 64 bits end.
      {false, false, 1, 3e9, "3000000000"},  {false, false, 1, -3e9, "-3000000000"},
      {false, false, 1, 9.21e18, "9210000000000000000"},
      {false, false, 1, -9223372036854775808.0, "-9223372036854775808"},
      // Times: milliseconds shown whole, zero-padded to the decimal points; hours not wrapped.
      {true, true, 3, 3723004, "1:02:03.004"}, {true, true, 1, 3723004, "1:02:03.4"},
      {true, true, 1, 3723400, "1:02:03.400"}, {true, true, 0, 3723004, "1:02:03"},
      {true, false, 3, 3723004, "1:02:03"},    {true, false, 1, 100000000, "27:46:40"},
      {true, false, 1, 59999.9, "0:00:59"},
      // Beyond the 596 hours that 32 bits of milliseconds hold.
      {true, false, 1, 600 * 3600000.0, "600:00:00"}, {true, true, 3, 2147484647.0, "596:31:24.647"},
      {true, false, 1, 1e15, "277777777:46:40"},
      // Cut at 31 characters.
      {false, true, 9, 1e30, "1000000000000000019884624838656"},
      {false, true, 9, 1e300, "1000000000000000052504760255204"},
      {false, false, 1, 1e300, "9223372036854775807"},
      {true, true, 9, 1e300, "2562047788015:12:55.000000807"},
  };
  for (const Case& c : cases) {
    ChartSettings settings;
    settings.DecimalPoints = c.decimalPoints;
    DataTable data;
    data.timeValues = c.time;
    data.decimalSeen = c.decimalSeen;
    EXPECT_EQ(ValueText(settings, data, c.value), c.text) << c.value;
  }
}

TEST(FormatLabelTest, ExpandsPlaceholdersWithin85Characters) {
  const std::string L90(90, 'L'), L85(85, 'L'), L84(84, 'L');
  struct Case {
    std::string label, labelTemplate, expected;
  } cases[] = {
      {"North", "TTTT (VVVV)", "North (12.5)"},
      {"North", "", ""},
      {"North", "no placeholders", "no placeholders"},
      {"North", std::string(100, 'x'), std::string(85, 'x')},
      {"North", "TTT and VVV", "TTT and VVV"},
      {"North", "TTTTT", "NorthT"},
      {"North", "TTTVVVV", "TTT12.5"},
      {"North", "tttt vvvv", "tttt vvvv"},
      {"aVVVVb", "TTTT", "aVVVVb"},
      {L90, "TTTT", L85},
      {L90, "ab TTTT", "ab " + L90.substr(0, 82)},
      {L84, "TTTTVVVV", L84 + "1"},
      {L85, "TTTT!", L85},
  };
  ChartSettings settings;
  DataTable data;
  data.decimalSeen = true;
  for (const Case& c : cases) {
    DataItem item;
    item.label = c.label;
    EXPECT_EQ(FormatLabel(settings, data, item, 12.5, c.labelTemplate), c.expected) << c.labelTemplate;
  }
  data.decimalSeen = false;
  EXPECT_EQ(FormatLabel(settings, data, DataItem{"North", {}}, 12.5, "TTTT (VVVV)"), "North (12)");
}

}  // namespace
}  // namespace corvane
