// Runs every fuzz target over its kept seeds and over every input that ever made it fail,
// so a fixed crash stays fixed (under the sanitizer build, a crash fails the suite).
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>

#include "support/test_run.h"

extern "C" int FuzzWholeRun(const std::uint8_t* data, std::size_t size);
extern "C" int FuzzArgvRun(const std::uint8_t* data, std::size_t size);
extern "C" int FuzzTokenReader(const std::uint8_t* data, std::size_t size);
extern "C" int FuzzColorReader(const std::uint8_t* data, std::size_t size);
extern "C" int FuzzTimeValueReader(const std::uint8_t* data, std::size_t size);
extern "C" int FuzzDatasetLine(const std::uint8_t* data, std::size_t size);

namespace corvane {
namespace {

namespace fs = std::filesystem;

using FuzzEntry = int (*)(const std::uint8_t* data, std::size_t size);

// Feeds each file of the folder to the target; returns how many there were.
int ReplayFolder(FuzzEntry entry, const fs::path& folder) {
  int inputs = 0;
  if (!fs::is_directory(folder)) return inputs;
  for (const fs::directory_entry& file : fs::directory_iterator(folder)) {
    SCOPED_TRACE(file.path().string());
    const std::string bytes = testing::ReadFile(file.path().string());
    EXPECT_EQ(entry(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), 0);
    ++inputs;
  }
  return inputs;
}

TEST(FuzzReplayTest, SeedsAndRegressionsRunCleanly) {
  const fs::path fuzz = fs::path(CORVANE_SOURCE_DIR) / "fuzz";
  const fs::path folder = fs::current_path();  // the target runs in a folder of its own
  const std::pair<const char*, FuzzEntry> targets[] = {
      {"whole_run_fuzzer", FuzzWholeRun},
      {"argv_run_fuzzer", FuzzArgvRun},
      {"token_reader_fuzzer", FuzzTokenReader},
      {"color_reader_fuzzer", FuzzColorReader},
      {"time_value_reader_fuzzer", FuzzTimeValueReader},
      {"dataset_line_fuzzer", FuzzDatasetLine},
  };
  for (const auto& [name, entry] : targets) {
    EXPECT_GT(ReplayFolder(entry, fuzz / "corpus" / name), 0) << "no seeds for " << name;
    ReplayFolder(entry, fuzz / "regressions" / name);
  }
  fs::current_path(folder);
}

}  // namespace
}  // namespace corvane
