#include "commands/command_reader.h"

#include <gtest/gtest.h>

#include "support/test_run.h"

namespace corvane {
namespace {

using testing::TestRun;

TEST(ReadTokenTest, SplitsAtSpacesOrQuotes) {
  struct Case {
    const char* text;
    std::size_t max;
    const char* token;   // expected buffer
    bool ok;
    const char* rest;    // text from the returned position
  } cases[] = {
      {"  abc def", 10, "abc", true, " def"},
      {"\"My Chart\"-Author", 10, "My Chart", true, "-Author"},
      {"\"open ended", 20, "open ended", true, ""},
      {"a\"b c", 10, "a\"b", true, " c"},
      {"", 10, "", false, nullptr},
      {"\"\" x", 10, "", false, nullptr},
      {"abcdef", 5, TooLongMarker, false, nullptr},
      {"abcde", 5, "abcde", true, ""},
      {"\t\xE9\xE9x y", 10, "x", true, " y"},  // leading high bytes count as blanks
      {"\"\xE9t\xE9\"", 10, "\xE9t\xE9", true, ""},
  };
  for (const Case& c : cases) {
    std::string buffer;
    const char* next = ReadToken(c.text, buffer, c.max);
    EXPECT_EQ(buffer, c.token) << c.text;
    EXPECT_EQ(next != nullptr, c.ok) << c.text;
    if (c.ok && next != nullptr) {
      EXPECT_STREQ(next, c.rest) << c.text;
    }
  }
}

TEST(ReadTokenTest, ReadLabelAcceptsEmptyQuotes) {
  std::string buffer = "x";
  EXPECT_NE(ReadLabel("\"\" -Next", buffer), nullptr);
  EXPECT_EQ(buffer, "");
  EXPECT_EQ(ReadLabel("   ", buffer), nullptr);
  EXPECT_EQ(ReadLabel(std::string(101, 'a').c_str(), buffer), nullptr);
  EXPECT_EQ(buffer, TooLongMarker);
}

TEST(ProcessCommandsTest, EmptyBlankAndCommentTextsDoNothing) {
  for (const char* text : {"", "   \t ", "; -Foo", "  ;comment"}) {
    TestRun t;
    EXPECT_EQ(t.Process(text), 0) << text;
    EXPECT_TRUE(t.Lines().empty()) << text;
  }
}

TEST(ProcessCommandsTest, ReportsTheFirstBadItem) {
  struct Case {
    const char* text;
    const char* message;
  } cases[] = {
      {"Chart Bar V", "ERROR: No command character [Chart Bar V]"},
      {"-Foo", "ERROR: Unknown command [Foo]"},
      {"-Foo\tbar", "ERROR: Unknown command [Foo]"},
      {"-Log /dev/null extra", "ERROR: No command character [extra]"},
  };
  for (const Case& c : cases) {
    TestRun t;
    EXPECT_EQ(t.Process(c.text), 1) << c.text;
    EXPECT_EQ(t.LastLine(), c.message) << c.text;
  }
}

TEST(ProcessCommandsTest, ShowsAtMost200CharactersOfTheRest) {
  TestRun t;
  EXPECT_EQ(t.Process(std::string(300, 'x')), 1);
  EXPECT_EQ(t.LastLine(), "ERROR: No command character [" + std::string(200, 'x') + "]");
}

}  // namespace
}  // namespace corvane
