#include "app/run.h"

#include "app/document_output.h"
#include "commands/command_context.h"
#include "commands/command_reader.h"
#include "model/scale.h"
#include "platform/command_line.h"

namespace corvane {

int RunSequence(Run& run, std::string commandLine, std::span<const std::size_t> argumentStarts) {
  if (PrepareChart(run, std::move(commandLine), argumentStarts) != 0) return 1;
  return MakeDocument(run);
}

int PrepareChart(Run& run, std::string commandLine, std::span<const std::size_t> argumentStarts) {
  CommandContext commands{run.settings, run.data, run.log, run.fonts};
  commands.standardInput = run.standardInput;
  // "-Output -" gives standard output to the document, wherever in the text it comes.
  run.log.HoldStandardOutput();
  const int read = ProcessCommands(commands, commandLine.data(), argumentStarts);
  run.log.ReleaseStandardOutput(run.settings.Output == "-");
  run.standardInput = commands.standardInput;  // null once a command has read it
  if (read != 0) return 1;

  const ChartSettings& s = run.settings;
  // -Chart fails itself unless it sets a style with the type, so a type always has its style.
  if (!s.Chart.type) {
    run.log.LogMessage("ERROR: No Chart Type specified");
    return 1;
  }
  if (run.data.count == 0) {
    run.log.LogMessage("ERROR: No data specified");
    return 1;
  }
  if (s.Output.empty()) {
    run.log.LogMessage("ERROR: No PDF output file specified");
    return 1;
  }
  if (IsBarChart(s) && s.BarColor.count == 0) {
    run.log.LogMessage("ERROR: No bar colors specified");
    return 1;
  }
  // Range ends are numbers for numeric data and times for time data, each meaning what the
  // data's values mean.
  const auto& scale = s.AxesScale;
  if (scale.mode == ScaleMode::kRange &&
      (scale.rangeFromTime != run.data.timeValues || scale.rangeToTime != run.data.timeValues)) {
    run.log.LogMessage("ERROR: AxesScale - range does not match the data");
    return 1;
  }
  run.log.LogMessage("Data items in chart: %d", run.data.count);
  const int series = run.data.SeriesToDraw();
  if (IsBarChart(s) && s.BarSeries == BarSeries::kFirst && series > 1) {
    run.log.LogMessage("WARNING: bar charts draw series 1 only; -BarSeries Grouped or Stacked draws all %d", series);
  }
  SortData(run.data);
  run.scale = ComputeScale(run.settings, run.data);
  return 0;
}

int RunArguments(Run& run, int argc, const char* const* argv) {
  const CommandLine line = CommandLineText(argc, argv);
  int result = 1;
  if (line.refusedArgument != 0) {
    run.log.LogMessage("ERROR: Argument %d holds a double quote that cannot be passed; use typographic quotes",
                       line.refusedArgument);
  } else {
    result = RunSequence(run, line.text, line.argumentStarts);
  }
  run.log.LogMessage("Finished");
  return result;
}

}  // namespace corvane
