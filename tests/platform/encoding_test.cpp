#include "platform/encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace corvane {
namespace {

TEST(EncodingTest, Utf8BecomesWindows1252) {
  struct Case { std::string in, out; } cases[] = {
      {"Gr\xC3\xB6\xC3\x9F" "e", "Gr\xF6\xDF" "e"},  // Größe
      {"\xE2\x82\xAC 5", "\x80 5"},                  // the euro sign has its own byte
      {"\xE4\xB8\xAD\xF0\x9F\x98\x80", "??"},       // no Windows-1252 form
      {"caf\xE9", "caf\xE9"},                        // not UTF-8: taken as it is
  };
  for (const Case& c : cases) EXPECT_EQ(Utf8ToWindows1252(c.in), c.out) << c.in;
}

TEST(EncodingTest, Windows1252BecomesUtf8AndBack) {
  std::string every;
  for (int b = 1; b < 256; ++b) every += static_cast<char>(b);
  EXPECT_EQ(Windows1252ToUtf8("\x80\xE9"), "\xE2\x82\xAC\xC3\xA9");
  EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(every)), every);
}

}  // namespace
}  // namespace corvane
