// The executable compresses at zlib's fastest level, which only its own deflateInit_, bound
// before zlib's, gives it: a change of linking would silently bring back the default level.
#include <gtest/gtest.h>

#include <string>

#include "support/process.h"
#include "support/test_run.h"

namespace corvane {
namespace {

// The second byte of a zlib header names the level class: 0x01 the fastest, 0x9C the default.
TEST(DeflateLevelTest, EveryStreamOfTheSavedFileIsCompressedAtLevelOne) {
  testing::TempDir dir;
  const auto r = testing::RunCorvane(testing::Words("-Chart Bar V -BarColor 0 0 0 0 0 0 -Datum A 1 -Output c"),
                                     dir.path());
  ASSERT_EQ(r.exitCode, 0) << r.out;
  const std::string pdf = testing::ReadFile(dir.File("c.pdf"));
  int streams = 0;
  for (std::size_t at = pdf.find("/FlateDecode"); at != std::string::npos; at = pdf.find("/FlateDecode", at + 1)) {
    std::size_t data = pdf.find("stream", at) + 6;
    data += pdf.compare(data, 2, "\r\n") == 0 ? 2 : 1;
    EXPECT_EQ(pdf.substr(data, 2), "\x78\x01") << "stream " << streams;
    ++streams;
  }
  EXPECT_GE(streams, 1);
}

}  // namespace
}  // namespace corvane
