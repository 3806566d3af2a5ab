#include "commands/command_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace corvane {
namespace {

TEST(ReadTokenTest, SplitsAtBlanksOrQuotesUpToItsLimit) {
  struct Case { const char* text; const char* token; const char* rest; } cases[] = {  // rest null: fails
      {"\"My Chart\"-Author", "My Chart", "-Author"},
      {"\t\xE9\xE9x y", "x", " y"},  // leading high bytes count as blanks
      {"abcdefgh", "abcdefgh", ""}, {"abcdefghi", TooLongMarker, nullptr}, {"\"\" x", "", nullptr},
  };
  for (const Case& c : cases) {
    std::string buffer;
    EXPECT_STREQ(ReadToken(c.text, buffer, 8), c.rest) << c.text;
    EXPECT_EQ(buffer, c.token) << c.text;
  }
}

}  // namespace
}  // namespace corvane
