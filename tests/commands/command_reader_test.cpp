#include "commands/command_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "support/test_run.h"

namespace corvane {
namespace {

TEST(ReadTokenTest, SplitsAtBlanksOrQuotesUpToItsLimit) {
  struct Case { const char* text; const char* token; const char* rest; } cases[] = {  // rest null: fails
      {"\"My Chart\"-Author", "My Chart", "-Author"},
      {"\t\xC9lan y", "\xC9lan", " y"},  // accented letters (bytes 128..255) are no blanks
      {"abcdefgh", "abcdefgh", ""}, {"abcdefghi", TooLongMarker, nullptr}, {"\"\" x", "", nullptr},
  };
  for (const Case& c : cases) {
    std::string buffer;
    EXPECT_STREQ(ReadToken(c.text, buffer, 8), c.rest) << c.text;
    EXPECT_EQ(buffer, c.token) << c.text;
  }
}

// "-Datum Élan 5" once drew "lan": an accented letter at the start or end of a word is part of it.
TEST(ProcessCommandsTest, AccentedLettersBelongToTheirWords) {
  testing::TestRun t;
  ASSERT_EQ(t.Process("-Datum \xC9lan 5 -Title \xC9t\xE9 -Author \xD8rsted\xA0"), 0) << t.LastLine();
  EXPECT_EQ(t.data.items[0].label, "\xC9lan");
  EXPECT_EQ(t.settings.Title, "\xC9t\xE9");
  EXPECT_EQ(t.settings.Author, "\xD8rsted\xA0");  // even a no-break space
}

}  // namespace
}  // namespace corvane
