#include "commands/line_commands.h"

#include <string>

#include "commands/command_context.h"
#include "commands/command_reader.h"
#include "commands/handler_support.h"
#include "commands/keyword_tables.h"
#include "commands/value_parsers.h"

namespace corvane {
namespace {

// Where a further line group may start: a decimal or a "#RRGGBB" colour. Anything else,
// such as the '-' of the next command item, ends the list.
bool StartsColor(char c) { return IsDigit(c) || c == '.' || c == '#'; }

constexpr MarkerMessages kLineMarkerMessages{
    "ERROR: LineMarker - unknown shape %d",
    "ERROR: LineMarker - color %d is not valid",
    "ERROR: LineMarker - no size %d",
    "ERROR: LineMarker - size %d must be greater than 0.0 and less than or equal to 100.0",
    "ERROR: LineMarker - no outline thickness %d",
    "ERROR: LineMarker - outline thickness %d must be greater than 0.0 and less than or equal to 100.0"};

}  // namespace

bool IsValidThickness(double value) { return value > 0.0 && value <= 100.0; }

const char* ReadMarker(CommandContext& run, const std::string& shapeWord, const char* pos,
                       const MarkerFields& marker, const MarkerMessages& messages, int series) {
  const auto shape = LookupKeyword(MarkerShapeTable, shapeWord);
  if (!shape) return Fail(run, messages.unknownShape, series);
  marker.shape = *shape;

  const char* p = ParseColor(pos, marker.color);
  if (!IsValidColor(marker.color)) return Fail(run, messages.invalidColor, series);

  p = ParseReal(p, marker.size);
  if (p == nullptr) return Fail(run, messages.noSize, series);
  if (!IsValidThickness(marker.size)) return Fail(run, messages.sizeOutOfRange, series);

  if (IsOutlineShape(marker.shape)) {
    p = ParseReal(p, marker.outlineThickness);
    if (p == nullptr) return Fail(run, messages.noOutlineThickness, series);
    if (!IsValidThickness(marker.outlineThickness)) return Fail(run, messages.outlineThicknessOutOfRange, series);
  }
  return p;
}

const char* LineCommand(CommandContext& run, const char* args) {
  auto& line = run.settings.Line;
  const char* p = args;
  for (int n = 1;; ++n) {
    if (n >= 2) {
      const char* next = SkipBlanks(p);
      if (*next == 0 || !StartsColor(*next)) return next;
    }
    if (n > kMaxSeries) {
      return Fail(run, "ERROR: Line - too many data series lines specified (max is %d)", kMaxSeries);
    }
    RgbColor& color = line.color[n - 1];
    p = ParseColor(p, color);
    if (!IsValidColor(color)) return Fail(run, "ERROR: Line - color %d is not valid", n);
    // A last group may stop after its colour; that series keeps its thickness.
    if (n >= 2 && *p == 0) return p;

    double& thickness = line.thickness[n - 1];
    p = ParseReal(p, thickness);
    if (p == nullptr) return Fail(run, "ERROR: Line - no thickness %d", n);
    if (!IsValidThickness(thickness)) {
      return Fail(run, "ERROR: Line - thickness %d must be greater than 0.0 and less than or equal to 100.0",
                  n);
    }
  }
}

const char* LineMarkerCommand(CommandContext& run, const char* args) {
  auto& marker = run.settings.LineMarker;
  const char* p = args;
  for (int n = 1;; ++n) {
    std::string word;
    const char* next = ReadToken(p, word, 19);
    // Any token can be a shape word, so the list runs to the end of the text; a lone word
    // at the very end is dropped.
    if (n >= 2) {
      if (next == nullptr && word != TooLongMarker) return p;
      if (next != nullptr && *next == 0) return next;
    }
    if (n > kMaxSeries) {
      return Fail(run, "ERROR: LineMarker - too many data series lines specified (max is %d)", kMaxSeries);
    }
    if (next == nullptr) {
      return word == TooLongMarker ? Fail(run, "ERROR: LineMarker - shape %d too long", n)
                                   : Fail(run, "ERROR: LineMarker - shape %d not specified", n);
    }
    const int i = n - 1;
    const MarkerFields fields{marker.shape[i], marker.color[i], marker.size[i], marker.outlineThickness[i]};
    p = ReadMarker(run, word, next, fields, kLineMarkerMessages, n);
    if (p == nullptr) return nullptr;
    marker.on = true;
  }
}

const char* AreaCommand(CommandContext& run, const char* args) {
  auto& area = run.settings.Area;
  const char* p = ParseColor(args, area.lineColor);
  if (!IsValidColor(area.lineColor)) return Fail(run, "ERROR: Area - line color is not valid");

  p = ParseReal(p, area.thickness);
  if (p == nullptr) return Fail(run, "ERROR: Area - no thickness");
  if (!IsValidThickness(area.thickness)) {
    return Fail(run, "ERROR: Area - thickness must be greater than 0.0 and less than or equal to 100.0");
  }

  p = ParseColor(p, area.fillColor);
  if (!IsValidColor(area.fillColor)) return Fail(run, "ERROR: Area - fill color is not valid");
  return p;
}

}  // namespace corvane
