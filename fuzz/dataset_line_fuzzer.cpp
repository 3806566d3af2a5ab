// Feeds one arbitrary dataset line to -Dataset, after an item that decides the table's form.
// The first input byte chooses that item (none, one number, three numbers, a time), whether
// the separator is " | " instead of ",", whether -DatasetColumns picks fields 2, 1 and 3, and
// whether the line is a header; the rest, up to and with its first line end, is the file, held
// in memory. Whatever the line, the table must hold only finite values, labels of at most 50
// characters, and time values as whole non-negative milliseconds, and the series labels a
// header gives at most 100 characters.
#include <sys/mman.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>

#include "app/run.h"
#include "commands/command_context.h"
#include "commands/command_reader.h"
#include "fuzz_entry.h"
#include "platform/clock.h"
#include "platform/encoding.h"

extern "C" int CORVANE_FUZZ_ENTRY(FuzzDatasetLine)(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t choice = data[0];
  std::string_view line(reinterpret_cast<const char*>(data + 1), size - 1);
  if (const std::size_t newline = line.find('\n'); newline != std::string_view::npos) {
    line = line.substr(0, newline + 1);
  }

  const int fd = memfd_create("dataset", 0);
  if (fd < 0 || write(fd, line.data(), line.size()) != static_cast<ssize_t>(line.size())) __builtin_trap();

  static std::FILE* const devNull = std::fopen("/dev/null", "w");
  const corvane::SystemClock clock;
  corvane::Run run(clock, devNull);
  run.settings.Chart.type = corvane::ChartType::kLine;
  run.settings.Chart.style = corvane::ChartStyle::kLineStandard;
  const char* const before[] = {"", "-Datum A 1", "-Datum A 1 2 3", "-Datum A 1:30.5"};
  std::string commands = before[choice % 4];
  if ((choice & 4) != 0) commands += " -DataSeparator \" | \"";
  if ((choice & 8) != 0) commands += " -DatasetColumns 2 1 3";
  if ((choice & 16) != 0) commands += " -DatasetHeader Yes";
  commands += " -Dataset /proc/self/fd/" + std::to_string(fd);
  corvane::CommandContext context{run.settings, run.data, run.log, run.fonts};
  corvane::ProcessCommands(context, commands.data());
  close(fd);

  const corvane::DataTable& table = run.data;
  if (table.count < 0 || table.count > 1 + static_cast<int>(line.size())) __builtin_trap();
  if (table.seriesCount < 0 || table.seriesCount > corvane::kMaxSeries) __builtin_trap();
  for (int i = 0; i < table.count; ++i) {
    const corvane::DataItem& item = table.items[i];
    if (corvane::CodePointCount(item.label) > corvane::kMaxLabelLength) __builtin_trap();
    for (const double value : item.values) {
      if (!std::isfinite(value)) __builtin_trap();
    }
    const double first = item.values[0];
    if (table.timeValues && (first < 0 || first != std::floor(first))) __builtin_trap();
  }
  for (const std::string& label : run.settings.DataSeriesLabel) {
    if (corvane::CodePointCount(label) > corvane::kMaxSeriesLabelLength) __builtin_trap();
  }
  return 0;
}
