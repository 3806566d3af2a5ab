#include "commands/bar_commands.h"

#include <string>

#include "commands/command_context.h"
#include "commands/handler_support.h"
#include "commands/keyword_tables.h"
#include "commands/value_parsers.h"

namespace corvane {

const char* BarColorCommand(CommandContext& run, const char* args) {
  auto& barColor = run.settings.BarColor;
  if (barColor.count == kMaxBarColors) {
    return Fail(run, "ERROR: BarColor - maximum number of bar colors (%d) reached", kMaxBarColors);
  }
  // The new entry only counts once both colours passed. It has no earlier colour to keep, so
  // a colour that cannot be read is not valid.
  RgbColor& from = barColor.fromColor[barColor.count];
  from = kColorNotSet;
  const char* p = ParseColor(args, from);
  if (!IsValidColor(from)) return Fail(run, "ERROR: BarColor - from color is not valid");
  RgbColor& to = barColor.toColor[barColor.count];
  to = kColorNotSet;
  p = ParseColor(p, to);
  if (!IsValidColor(to)) return Fail(run, "ERROR: BarColor - to color is not valid");
  ++barColor.count;
  return p;
}

const char* BarSpacingCommand(CommandContext& run, const char* args) {
  // Whichever of barspacing and barsize comes last decides how bars are sized.
  run.settings.BarSize.reset();
  return ReadIntegerOrFail(run, args, run.settings.BarSpacing, 0, 500,
                           "ERROR: BarSpacing - between 0-500 inclusive");
}

const char* BarSizeCommand(CommandContext& run, const char* args) {
  return ReadIntegerOrFail(run, args, run.settings.BarSize, 1, 500,
                           "ERROR: BarSize - between 1-500 inclusive");
}

const char* BarLabelCommand(CommandContext& run, const char* args) {
  auto& barLabel = run.settings.BarLabel;
  std::string word;
  const char* p = ReadTokenOrFail(run, args, word, 20, "ERROR: BarLabel - position not specified",
                                  "ERROR: BarLabel - position too long");
  if (p == nullptr) return nullptr;
  const auto position = LookupKeyword(LabelPositionTable, word);
  if (!position) return Fail(run, "ERROR: BarLabel - unknown position");
  barLabel.position = *position;

  // Start, End, Center and Axes take a format; the AxesAnd positions keep the one they have.
  if (!IsAxesAndPosition(barLabel.position)) {
    p = ReadTokenOrFail(run, p, barLabel.format, 21, "ERROR: BarLabel - format not specified",
                        "ERROR: BarLabel - format too long");
  }
  return p;
}

const char* BarBorderCommand(CommandContext& run, const char* args) {
  auto& border = run.settings.BarBorder;
  const char* p = ParseReal(args, border.width);
  if (p == nullptr) return Fail(run, "ERROR: BarBorder - no width");
  if (border.width <= 0.0 || border.width > 100.0) {
    return Fail(run, "ERROR: BarBorder - width must be greater than 0.0 and less than or equal to 100.0");
  }
  p = ParseColor(p, border.color);
  if (!IsValidColor(border.color)) return Fail(run, "ERROR: BarBorder - color is not valid");
  return p;
}

// A word longer than any keyword of these two commands is an unknown one.
const char* BarBaseCommand(CommandContext& run, const char* args) {
  std::string word;
  const char* p =
      ReadTokenOrFail(run, args, word, 20, "ERROR: BarBase - not specified", "ERROR: BarBase - unknown base");
  if (p == nullptr) return nullptr;
  const auto base = LookupKeyword(BarBaseTable, word);
  if (!base) return Fail(run, "ERROR: BarBase - unknown base");
  run.settings.BarBase = *base;
  return p;
}

const char* BarSeriesCommand(CommandContext& run, const char* args) {
  std::string word;
  const char* p =
      ReadTokenOrFail(run, args, word, 20, "ERROR: BarSeries - not specified", "ERROR: BarSeries - unknown form");
  if (p == nullptr) return nullptr;
  const auto form = LookupKeyword(BarSeriesTable, word);
  if (!form) return Fail(run, "ERROR: BarSeries - unknown form");
  run.settings.BarSeries = *form;
  return p;
}

}  // namespace corvane
