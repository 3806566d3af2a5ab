#include "platform/text_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_run.h"

namespace corvane {
namespace {

using testing::TempDir;

TEST(TextFileTest, ReadsLikeTextModeFgets) {
  TempDir dir;
  struct Case { std::string contents; std::size_t limit; std::vector<std::string> reads; } cases[] = {
      {"one\r\ntwo\nthree", 10, {"one\n", "two\n", "three"}},
      {"abcdefgh\n", 4, {"abc", "def", "gh\n"}},  // long lines arrive in several reads
      {"\xC3\xA9t\xC3\xA9\n", 10, {"\xC3\xA9t\xC3\xA9\n"}},  // UTF-8 arrives as it is
      {"\xE9t\xE9\n", 10, {"\xC3\xA9t\xC3\xA9\n"}},              // Windows-1252 becomes UTF-8
      {"\xCE\xB1\xCE\xB2\xCE\xB3\xCE\xB4\n", 3, {"\xCE\xB1\xCE\xB2", "\xCE\xB3\xCE\xB4", "\n"}},  // αβγδ: whole letters
      // A byte-order mark at the start is skipped, also before text that is not UTF-8.
      {"\xEF\xBB\xBFNorth\n\xEF\xBB\xBF", 10, {"North\n", "\xEF\xBB\xBF"}},
      {"\xEF\xBB\xBF" "caf\xE9", 10, {"caf\xC3\xA9"}},
      {"\xEF\xBB\xBF", 10, {}},
  };
  for (const Case& c : cases) {
    int error = 0;
    auto file = TextFileReader::Open(dir.Write("f.txt", c.contents), error);
    ASSERT_NE(file, nullptr);
    std::vector<std::string> reads;
    for (std::string line; file->ReadLine(line, c.limit);) reads.push_back(line);
    EXPECT_EQ(reads, c.reads) << c.contents;
  }
}

// Whole lines up to the bound of 1 MiB; a longer one is reported and passed over to its end.
TEST(TextFileTest, ReadsPhysicalLinesWholeWithinTheBound) {
  TempDir dir;
  const std::string longest(1 << 20, 'x');  // with its newline, a byte beyond the bound
  int error = 0;
  auto file = TextFileReader::Open(dir.Write("f.txt", "a\r\n" + longest.substr(1) + "\n" + longest + "\nb"), error);
  ASSERT_NE(file, nullptr);
  std::vector<std::pair<TextFileReader::LineRead, std::size_t>> reads;
  std::string line;
  for (auto read = file->ReadPhysicalLine(line); read != TextFileReader::LineRead::kEnd;
       read = file->ReadPhysicalLine(line)) {
    reads.emplace_back(read, read == TextFileReader::LineRead::kLine ? line.size() : 0);
  }
  using enum TextFileReader::LineRead;
  EXPECT_EQ(reads, (std::vector<std::pair<TextFileReader::LineRead, std::size_t>>{
                       {kLine, 2}, {kLine, 1 << 20}, {kTooLong, 0}, {kLine, 1}}));
}

TEST(TextFileTest, OpenRefusesCharacterDevices) {
  int error = 0;
  EXPECT_EQ(TextFileReader::Open("/dev/zero", error), nullptr);  // endless empty lines
  EXPECT_EQ(error, ENODEV);
}

}  // namespace
}  // namespace corvane
