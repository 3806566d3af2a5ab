#include "platform/encoding.h"

#include <gtest/gtest.h>

#include "platform/command_line.h"

namespace corvane {
namespace {

TEST(EncodingTest, Utf8BecomesWindows1252) {
  struct Case {
    std::string in, out;
  } cases[] = {
      {"plain", "plain"},
      {"Gr\xC3\xB6\xC3\x9F" "e", "Gr\xF6\xDF" "e"},  // Größe
      {"\xE2\x82\xAC 5", "\x80 5"},                  // the euro sign has its own byte
      {"\xC5\x93uvre", "\x9Cuvre"},                  // œ
      {"\xE4\xB8\xAD", "?"},                         // no Windows-1252 form
      {"\xF0\x9F\x98\x80!", "?!"},                   // four-byte form
      {"caf\xE9", "caf\xE9"},                        // not UTF-8: taken as it is
      {"\xC0\xAF", "\xC0\xAF"},                      // overlong form is not UTF-8
      {"\xED\xA0\x80", "\xED\xA0\x80"},              // surrogate is not UTF-8
      {"ab\xC3", "ab\xC3"},                          // cut short
  };
  for (const Case& c : cases) EXPECT_EQ(Utf8ToWindows1252(c.in), c.out) << c.in;
}

TEST(EncodingTest, Windows1252BecomesUtf8AndBack) {
  std::string every;
  for (int b = 1; b < 256; ++b) every += static_cast<char>(b);
  const std::string utf8 = Windows1252ToUtf8(every);
  EXPECT_EQ(Windows1252ToUtf8("\x80\xE9"), "\xE2\x82\xAC\xC3\xA9");
  EXPECT_EQ(Utf8ToWindows1252(utf8), every);
}

TEST(CommandLineTest, JoinsArgumentsQuotingThoseWithBlanks) {
  struct Case {
    std::vector<const char*> args;
    std::string text;
  } cases[] = {
      {{"corvane"}, ""},
      {{"corvane", "-Title", "My Chart"}, "-Title \"My Chart\""},
      {{"corvane", "-Title", ""}, "-Title \"\""},
      {{"corvane", "-Title", "a\tb"}, "-Title \"a\tb\""},
      {{"corvane", "-Title", "say \"hi\""}, "-Title say \"hi\""},
      {{"corvane", "-Title", "\xC3\xA9t\xC3\xA9"}, "-Title \xE9t\xE9"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CommandLineText(static_cast<int>(c.args.size()), c.args.data()), c.text);
  }
}

}  // namespace
}  // namespace corvane
