#include "platform/text_file.h"

#include <gtest/gtest.h>

#include "platform/compare.h"
#include "platform/format.h"
#include "support/test_run.h"

namespace corvane {
namespace {

using testing::TempDir;

std::vector<std::string> ReadAll(const std::string& path, std::size_t limit) {
  int error = 0;
  auto file = TextFileReader::Open(path, error);
  EXPECT_NE(file, nullptr);
  std::vector<std::string> reads;
  std::string line;
  while (file && file->ReadLine(line, limit)) reads.push_back(line);
  return reads;
}

TEST(TextFileTest, ReadsLikeTextModeFgets) {
  TempDir dir;
  struct Case {
    std::string contents;
    std::size_t limit;
    std::vector<std::string> reads;
  } cases[] = {
      {"one\r\ntwo\nthree", 10, {"one\n", "two\n", "three"}},
      {"a\rb\r\n", 10, {"a\rb\n"}},           // a lone CR stays
      {"abcdefgh\n", 4, {"abc", "def", "gh\n"}},  // long lines arrive in several reads
      {"\xC3\xA9t\xC3\xA9\n", 10, {"\xE9t\xE9\n"}},
      {"caf\xE9\n", 10, {"caf\xE9\n"}},
      {"", 10, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReadAll(dir.Write("f.txt", c.contents), c.limit), c.reads) << c.contents;
  }
}

TEST(TextFileTest, OpenReportsTheSystemError) {
  TempDir dir;
  int error = 0;
  EXPECT_EQ(TextFileReader::Open(dir.File("missing.txt"), error), nullptr);
  EXPECT_EQ(error, ENOENT);
  EXPECT_EQ(TextFileReader::Open(dir.path(), error), nullptr);
  EXPECT_EQ(error, EISDIR);
  EXPECT_EQ(TextFileReader::Open("/dev/zero", error), nullptr);  // endless empty lines
  EXPECT_EQ(error, ENODEV);
}

TEST(TextFileTest, AppendLineWritesUtf8AndKeepsWhatWasThere) {
  TempDir dir;
  const std::string path = dir.File("log \xE9.txt");
  AppendLine(path, "first");
  AppendLine(path, "caf\xE9");
  EXPECT_EQ(testing::ReadFile(dir.File("log \xC3\xA9.txt")), "first\ncaf\xC3\xA9\n");
  AppendLine(dir.File("no/such/folder.txt"), "ignored");  // fails silently
}

TEST(CompareTest, IgnoresCaseOfWindows1252Letters) {
  EXPECT_EQ(CompareNoCase("ABC", "abc"), 0);
  EXPECT_EQ(CompareNoCase("\xC9t\xC9", "\xE9t\xE9"), 0);  // ÉTÉ, été
  EXPECT_EQ(CompareNoCase("\x8A\x8C\x8E\x9F", "\x9A\x9C\x9E\xFF"), 0);
  EXPECT_NE(CompareNoCase("\xD7", "\xF7"), 0);  // × and ÷ are not letters
  EXPECT_LT(CompareNoCase("apple", "Banana"), 0);
  EXPECT_LT(CompareNoCase("Banana", "cherry"), 0);
  EXPECT_LT(CompareNoCase("ab", "abc"), 0);
  EXPECT_TRUE(EqualsNoCase(".PDF", ".pdf"));
  EXPECT_FALSE(EqualsNoCase(".pd", ".pdf"));
}

TEST(FormatTest, CutsAt1023Characters) {
  EXPECT_EQ(Format("%s=%d", "x", 5), "x=5");
  const std::string long1 = Format("%s", std::string(2000, 'a').c_str());
  EXPECT_EQ(long1, std::string(1023, 'a'));
}

}  // namespace
}  // namespace corvane
