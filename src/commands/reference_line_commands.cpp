#include "commands/reference_line_commands.h"

#include <string>

#include "commands/command_context.h"
#include "commands/command_reader.h"
#include "commands/handler_support.h"
#include "commands/keyword_tables.h"
#include "commands/line_commands.h"
#include "commands/value_parsers.h"

namespace corvane {
namespace {

// Every reference line starts with its colour and thickness, reported under its own name.
const char* ReadColorAndThickness(CommandContext& run, const char* pos, const char* command, RgbColor& color,
                                  double& thickness) {
  const char* p = ParseColor(pos, color);
  if (!IsValidColor(color)) return Fail(run, "ERROR: %s - color is not valid", command);
  p = ParseReal(p, thickness);
  if (p == nullptr) return Fail(run, "ERROR: %s - no thickness", command);
  if (!IsValidThickness(thickness)) {
    return Fail(run, "ERROR: %s - thickness must be greater than 0.0 and less than or equal to 100.0",
                command);
  }
  return p;
}

constexpr MarkerMessages kMovingAverageMarkerMessages{
    "ERROR: MovingAverageMarker - unknown shape",
    "ERROR: MovingAverageMarker - color is not valid",
    "ERROR: MovingAverageMarker - no size",
    "ERROR: MovingAverageMarker - size must be greater than 0.0 and less than or equal to 100.0",
    "ERROR: MovingAverageMarker - no shape outline thickness",
    "ERROR: MovingAverageMarker - outline thickness must be greater than 0.0 and less than or equal to 100.0"};

// A label may be an empty pair of quotes, which means no label text.
const char* ReadLabelOrFail(CommandContext& run, const char* pos, std::string& label, const char* command) {
  const char* p = ReadLabel(pos, label);
  if (p == nullptr) {
    return label == TooLongMarker ? Fail(run, "ERROR: %s - label too long", command)
                                  : Fail(run, "ERROR: %s - label not specified", command);
  }
  return p;
}

}  // namespace

const char* LineOfBestFitCommand(CommandContext& run, const char* args) {
  auto& line = run.settings.LineOfBestFit;
  const char* p = ReadColorAndThickness(run, args, "LineOfBestFit", line.color, line.thickness);
  if (p == nullptr) return nullptr;
  line.on = true;
  return p;
}

const char* AverageLineCommand(CommandContext& run, const char* args) {
  auto& line = run.settings.AverageLine;
  const char* p = ReadColorAndThickness(run, args, "AverageLine", line.color, line.thickness);
  if (p == nullptr) return nullptr;
  p = ReadLabelOrFail(run, p, line.label, "AverageLine");
  if (p == nullptr) return nullptr;
  line.on = true;
  return p;
}

const char* TargetLineCommand(CommandContext& run, const char* args) {
  auto& line = run.settings.TargetLine;
  const char* p = ReadColorAndThickness(run, args, "TargetLine", line.color, line.thickness);
  if (p == nullptr) return nullptr;
  // Any value is a target, negative ones included.
  p = ParseReal(p, line.value);
  if (p == nullptr) return Fail(run, "ERROR: TargetLine - no target value");
  p = ReadLabelOrFail(run, p, line.label, "TargetLine");
  if (p == nullptr) return nullptr;
  line.on = true;
  return p;
}

const char* MovingAverageLineCommand(CommandContext& run, const char* args) {
  auto& line = run.settings.MovingAverageLine;
  const char* p = ReadIntegerOrFail(run, args, line.samples, 2, 100,
                                    "ERROR: MovingAverageLine - samples must be between 2 and 100");
  if (p == nullptr) return nullptr;
  p = ReadColorAndThickness(run, p, "MovingAverageLine", line.color, line.thickness);
  if (p == nullptr) return nullptr;
  line.on = true;
  return p;
}

const char* MovingAverageMarkerCommand(CommandContext& run, const char* args) {
  auto& marker = run.settings.MovingAverageMarker;
  std::string word;
  const char* p = ReadTokenOrFail(run, args, word, 19, "ERROR: MovingAverageMarker - shape not specified",
                                  "ERROR: MovingAverageMarker - shape too long");
  if (p == nullptr) return nullptr;
  const MarkerFields fields{marker.shape, marker.color, marker.size, marker.outlineThickness};
  p = ReadMarker(run, word, p, fields, kMovingAverageMarkerMessages, 1);
  if (p == nullptr) return nullptr;
  marker.on = true;
  return p;
}

}  // namespace corvane
