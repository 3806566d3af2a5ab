#include "platform/encoding.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/compare.h"

namespace corvane {
namespace {

// A piece that is UTF-8 stays as it is; one that is not is read as Windows-1252.
TEST(EncodingTest, TextBecomesUtf8) {
  struct Case { std::string in, out; } cases[] = {
      {"Gr\xC3\xB6\xC3\x9F" "e", "Gr\xC3\xB6\xC3\x9F" "e"},              // Größe, already UTF-8
      {"\xE4\xBA\xBA\xE5\x8F\xA3", "\xE4\xBA\xBA\xE5\x8F\xA3"},          // 人口
      {"caf\xE9 \x80" "5", "caf\xC3\xA9 \xE2\x82\xAC" "5"},              // Windows-1252: café €5
      {"\xC3", "\xC3\x83"},                                              // a sequence cut short
      {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},                  // a surrogate is no UTF-8
  };
  for (const Case& c : cases) EXPECT_EQ(ToUtf8(c.in), c.out) << c.in;
}

// Limits count characters, and a cut never falls inside one.
TEST(EncodingTest, CountsAndCutsWholeCharacters) {
  const std::string text = "a\xC3\xA9\xE4\xBA\xBA\xF0\x9F\x98\x80";  // a é 人 😀
  EXPECT_EQ(CodePointCount(text), 4u);
  EXPECT_EQ(CodePointPrefix(text, 0), 0u);
  EXPECT_EQ(CodePointPrefix(text, 2), 3u);
  EXPECT_EQ(CodePointPrefix(text, 3), 6u);
  EXPECT_EQ(CodePointPrefix(text, 9), text.size());
}

// The standard fonts draw what Windows-1252 holds; every byte of it comes back from UTF-8.
TEST(EncodingTest, Windows1252RoundTrip) {
  std::string every;
  for (int b = 1; b < 256; ++b) every += static_cast<char>(b);
  const std::string utf8 = Windows1252ToUtf8(every);
  EXPECT_TRUE(FitsWindows1252(utf8));
  EXPECT_EQ(ToWindows1252(utf8), every);
  EXPECT_FALSE(FitsWindows1252("\xCE\xA0"));  // Π
  EXPECT_EQ(ToWindows1252("\xE2\x82\xAC\xCE\xA0"), "\x80?");
}

TEST(CompareTest, IgnoresCaseOfEveryLetter) {
  EXPECT_EQ(CompareNoCase("\xC3\x89t\xC3\x89", "\xC3\xA9t\xC3\xA9"), 0);                // ÉTÉ, été
  EXPECT_EQ(CompareNoCase("\xC5\xA0\xC5\x92\xC5\xBD\xC5\xB8", "\xC5\xA1\xC5\x93\xC5\xBE\xC3\xBF"), 0);  // ŠŒŽŸ
  EXPECT_EQ(CompareNoCase("\xCE\xA3\xCE\x9F\xCE\xA6\xCE\x99\xCE\x91", "\xCF\x83\xCE\xBF\xCF\x86\xCE\xB9\xCE\xB1"), 0);  // ΣΟΦΙΑ
  EXPECT_EQ(CompareNoCase("\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0", "\xD0\xBC\xD0\x9E\xD0\xA1\xD0\x9A\xD0\x92\xD0\x90"), 0);  // Москва
  EXPECT_EQ(CompareNoCase("\xC5\x81\xC3\xB3\xC5\xBA", "\xC5\x82\xC3\x93\xC5\xB9"), 0);  // Łóź
  EXPECT_NE(CompareNoCase("\xC3\x97", "\xC3\xB7"), 0);  // × and ÷ are not letters
  // Windows-1252 keeps its byte order (z before é before ÿ); other letters follow by code point.
  EXPECT_LT(CompareNoCase("z", "\xC3\xA9"), 0);
  EXPECT_LT(CompareNoCase("\xC3\xBF", "\xC4\x80"), 0);    // ÿ before Ā
  EXPECT_LT(CompareNoCase("\xCE\xB1", "\xD0\xB0"), 0);    // Greek before Cyrillic
  EXPECT_LT(CompareNoCase("ab", "abc"), 0);
}

}  // namespace
}  // namespace corvane
