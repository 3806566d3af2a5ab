#include "app/run.h"

#include "commands/command_reader.h"
#include "model/scale.h"
#include "pdf/document_builder.h"

namespace corvane {

int RunSequence(Run& run, std::string commandLine) {
  if (ProcessCommands(run, commandLine.data()) != 0) return 1;

  const ChartSettings& s = run.settings;
  // -Chart fails itself unless it sets a style with the type, so a type always has its style.
  if (s.Chart.type == 0) {
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
  if ((s.Chart.style == kStyleBarVertical || s.Chart.style == kStyleBarHorizontal) && s.BarColor.count == 0) {
    run.log.LogMessage("ERROR: No bar colors specified");
    return 1;
  }
  run.log.LogMessage("Data items in chart: %d", run.data.count);
  SortData(run.data);
  run.scale = ComputeScale(run.settings, run.data);
  return MakePDF(run);
}

}  // namespace corvane
