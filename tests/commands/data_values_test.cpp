#include "commands/data_values.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(DataValuesTest, TimeValues) {
  struct Case {
    const char* text;
    ValueError error;
    double milliseconds;
    bool decimal;
  } cases[] = {
      {"1:30", ValueError::kNone, 90000, false},
      {"1:02:03.5", ValueError::kNone, 3723500, true},
      {"0:00.05", ValueError::kNone, 50, true},
      {"0:00.005", ValueError::kNone, 5, true},
      {"100:00:00", ValueError::kNone, 360000000, false},
      {"1000:00:00", ValueError::kNone, 3600000000.0, false},  // beyond 32 bits
      {"99999999999:0:0", ValueError::kNone, 359999999996400000.0, false},
      {"61:00", ValueError::kInvalid, 0, false},
      {"1:60", ValueError::kInvalid, 0, false},
      {"90", ValueError::kInvalid, 0, false},
      {"0:00.1234", ValueError::kInvalid, 0, false},
      {"1:30.", ValueError::kInvalid, 0, false},
      {"1.5:30", ValueError::kInvalid, 0, false},
      {"1::30", ValueError::kInvalid, 0, false},
      {"0000000000001:30", ValueError::kInvalid, 0, false},  // 16 characters
      {"", ValueError::kMissing, 0, false},
      {"-1:30", ValueError::kMissing, 0, false},
      {" ;1:30", ValueError::kMissing, 0, false},
  };
  for (const Case& c : cases) {
    DataTable table;
    const char* pos = c.text;
    double value = 0;
    EXPECT_EQ(ReadTimeValue(table, pos, value), c.error) << c.text;
    EXPECT_EQ(value, c.milliseconds) << c.text;
    if (c.error == ValueError::kNone) {
      EXPECT_EQ(table.decimalSeen, c.decimal) << c.text;
    }
  }
}

TEST(DataValuesTest, ValueLists) {
  struct Case {
    const char* text;
    int seriesCount;  // before reading
    ValueError error;
    int count;        // seriesCount afterwards, on success
    double first;
    double last;
    const char* rest;
  } cases[] = {
      {"10 20 30", 0, ValueError::kNone, 3, 10, 30, ""},
      {"-5 +3.25 -Title", 0, ValueError::kNone, 2, -5, 3.25, "-Title"},
      {" 7 ;comment", 0, ValueError::kNone, 1, 7, 7, ";comment"},
      {"1.2.3", 0, ValueError::kNone, 1, 1.2, 1.2, ""},
      {"123456789012345", 0, ValueError::kNone, 1, 123456789012345.0, 123456789012345.0, ""},
      {"1 2 3 4 5 6 7 8 9 10", 0, ValueError::kNone, 10, 1, 10, ""},
      {"1234567890123456", 0, ValueError::kInvalid, 0, 0, 0, nullptr},
      {"1:30", 0, ValueError::kInvalid, 0, 0, 0, nullptr},
      {"", 0, ValueError::kMissing, 0, 0, 0, nullptr},
      {"-x 5", 0, ValueError::kMissing, 0, 0, 0, nullptr},
      {"1 2 3", 2, ValueError::kDifferentCount, 0, 0, 0, nullptr},
  };
  for (const Case& c : cases) {
    DataTable table;
    table.seriesCount = c.seriesCount;
    SeriesValues values{};
    const char* pos = c.text;
    EXPECT_EQ(ReadValueList(table, pos, values), c.error) << c.text;
    if (c.error == ValueError::kNone) {
      EXPECT_EQ(table.seriesCount, c.count) << c.text;
      EXPECT_EQ(values[0], c.first) << c.text;
      EXPECT_EQ(values[c.count - 1], c.last) << c.text;
      EXPECT_STREQ(pos, c.rest) << c.text;
      EXPECT_EQ(table.decimalSeen, std::string(c.text).find('.') != std::string::npos) << c.text;
    }
  }
}

TEST(DataValuesTest, TimeFormIsAColonBeforeTheNextCommand) {
  EXPECT_TRUE(IsTimeForm(" 1:30"));
  EXPECT_TRUE(IsTimeForm("5 x:y"));
  EXPECT_FALSE(IsTimeForm("10 20"));
  EXPECT_FALSE(IsTimeForm("10 -Title a:b"));
  EXPECT_FALSE(IsTimeForm("10 ; 1:30"));
  EXPECT_FALSE(IsTimeForm(""));
}

}  // namespace
}  // namespace corvane
