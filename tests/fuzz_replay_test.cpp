// Runs every fuzz target over its kept seeds and over every input that ever made it fail,
// so a fixed crash stays fixed (under the sanitizer build, a crash fails the suite).
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "support/test_run.h"

extern "C" int FuzzCommandText(const std::uint8_t* data, std::size_t size);
extern "C" int FuzzDataset(const std::uint8_t* data, std::size_t size);

namespace corvane {
namespace {

namespace fs = std::filesystem;

struct Target {
  const char* name;
  int (*entry)(const std::uint8_t* data, std::size_t size);
};

// Feeds each file of the folder to the target; returns how many there were.
int ReplayFolder(const Target& target, const fs::path& folder) {
  int inputs = 0;
  if (!fs::is_directory(folder)) return inputs;
  for (const fs::directory_entry& file : fs::directory_iterator(folder)) {
    if (!file.is_regular_file()) continue;
    SCOPED_TRACE(file.path().string());
    const std::string bytes = testing::ReadFile(file.path().string());
    EXPECT_EQ(target.entry(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), 0);
    ++inputs;
  }
  return inputs;
}

TEST(FuzzReplayTest, SeedsAndRegressionsRunCleanly) {
  const fs::path fuzz = fs::path(CORVANE_SOURCE_DIR) / "fuzz";
  for (const Target& target : {Target{"command_text_fuzzer", FuzzCommandText},
                               Target{"dataset_fuzzer", FuzzDataset}}) {
    EXPECT_GT(ReplayFolder(target, fuzz / "corpus" / target.name), 0) << "no seeds for " << target.name;
    ReplayFolder(target, fuzz / "regressions" / target.name);
  }
}

}  // namespace
}  // namespace corvane
