// Feeds arbitrary bytes to the dataset reader as the contents of a dataset file, read for a
// standard line chart, then sorts the rows it gave.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "app/run.h"
#include "commands/command_reader.h"
#include "fuzz_entry.h"
#include "platform/clock.h"

extern "C" int CORVANE_FUZZ_ENTRY(FuzzDataset)(const std::uint8_t* data, std::size_t size) {
  // One file per process, rewritten for every input; parallel jobs each have their own.
  static const std::string path =
      (std::filesystem::temp_directory_path() / ("corvane-dataset-fuzz-" + std::to_string(getpid())))
          .string();
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return 0;
  std::fwrite(data, 1, size, file);
  std::fclose(file);

  static std::FILE* const devNull = std::fopen("/dev/null", "w");
  const corvane::SystemClock clock;
  corvane::Run run(clock, devNull);
  // The dataset command needs a chart style first.
  std::string text = "-Chart Line Standard -Dataset \"" + path + "\"";
  if (corvane::ProcessCommands(run, text.data()) == 0) corvane::SortData(run.data);
  std::remove(path.c_str());
  return 0;
}
