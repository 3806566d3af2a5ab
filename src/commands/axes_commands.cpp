#include "commands/axes_commands.h"

#include <cstdint>
#include <string>

#include "commands/command_context.h"
#include "commands/command_reader.h"
#include "commands/data_values.h"
#include "commands/handler_support.h"
#include "commands/keyword_tables.h"
#include "commands/value_parsers.h"

namespace corvane {
namespace {

// The two percentage modes ask for their token in their own words.
struct PercentMessages {
  const char* missing;
  const char* tooLong;
  const char* invalid;
};

constexpr PercentMessages kUnderLowestValueMessages{
    "ERROR: AxesScale - percent under lowest value not specified",
    "ERROR: AxesScale - percent under lowest value too long",
    "ERROR: AxesScale - percent under lowest value invalid"};
constexpr PercentMessages kEitherSideMessages{"ERROR: AxesScale - percent either side value not specified",
                                              "ERROR: AxesScale - percent either side value too long",
                                              "ERROR: AxesScale - percent either side value invalid"};

// Axis lines and grid lines take the same width and colour, each under its own name.
const char* ReadLineWidthAndColor(CommandContext& run, const char* pos, const char* command, double& width,
                                  RgbColor& color) {
  const char* p = ParseReal(pos, width);
  if (p == nullptr) return Fail(run, "ERROR: %s - no width", command);
  if (width < 0.1 || width > 100.0) {
    return Fail(run, "ERROR: %s - width must be between 0.1 and 100.0 inclusive", command);
  }
  p = ParseColor(p, color);
  if (!IsValidColor(color)) return Fail(run, "ERROR: %s - color is not valid", command);
  return p;
}

// The integer formed by the token's leading digits after an optional sign, as in "15%";
// no digits give 0. An absurdly long number still fails the range test.
int LeadingInteger(const std::string& token) {
  const char* p = token.c_str();
  const bool negative = *p == '-';
  if (*p == '-' || *p == '+') ++p;
  const std::int64_t value = ReadDigits(p, INT32_MAX - 1);
  return static_cast<int>(negative ? -value : value);
}

const char* ReadPercent(CommandContext& run, const char* pos, int& percent, const PercentMessages& messages) {
  std::string token;
  const char* p = ReadTokenOrFail(run, pos, token, 20, messages.missing, messages.tooLong);
  if (p == nullptr) return nullptr;
  if (token.find('%') == std::string::npos) return Fail(run, "%s", messages.invalid);
  percent = LeadingInteger(token);
  if (percent < 0 || percent > 100) return Fail(run, "ERROR: AxesScale - percentage between 0-100 inclusive");
  return p;
}

// A range end: a number, or a time value written as the data's times are, which is held in
// milliseconds as they are; whether it was a time is kept for the run's checks, which compare
// it with the data. Null when it is neither.
const char* ReadRangeEnd(const char* pos, double& value, bool& time) {
  const char* p = SkipBlanks(pos);
  time = false;
  for (const char* c = p; *c != 0 && !IsBlank(*c); ++c) time = time || *c == ':';
  if (!time) return ParseReal(p, value);
  DataTable noData;  // a fraction of a second marks only the data as having decimals
  return ReadTimeValue(noData, p, value) == ValueError::kNone ? p : nullptr;
}

}  // namespace

const char* AxesLineCommand(CommandContext& run, const char* args) {
  auto& axesLine = run.settings.AxesLine;
  const char* p = ReadLineWidthAndColor(run, args, "AxesLine", axesLine.width, axesLine.color);
  if (p == nullptr) return nullptr;

  std::string word;
  p = ReadTokenOrFail(run, p, word, 20, "ERROR: AxesLine - no format", "ERROR: AxesLine - format too long");
  if (p == nullptr) return nullptr;
  const auto format = LookupKeyword(AxesLineFormatTable, word);
  if (!format) return Fail(run, "ERROR: AxesLine - unknown format");
  axesLine.format = *format;
  return p;
}

const char* AxesScaleCommand(CommandContext& run, const char* args) {
  auto& scale = run.settings.AxesScale;
  std::string word;
  const char* p = ReadTokenOrFail(run, args, word, 20, "ERROR: AxesScale - not specified",
                                  "ERROR: AxesScale - scale too long");
  if (p == nullptr) return nullptr;
  const auto mode = LookupKeyword(AxesScaleTable, word);
  if (!mode) return Fail(run, "ERROR: AxesScale - unknown format");
  scale.mode = *mode;

  switch (scale.mode) {
    case ScaleMode::kUnderLowestValue:
      return ReadPercent(run, p, scale.percent, kUnderLowestValueMessages);
    case ScaleMode::kEitherSide:
      return ReadPercent(run, p, scale.percent, kEitherSideMessages);
    case ScaleMode::kRange:
      // The ends are not compared: the scale only ever widens the data's extent with them.
      p = ReadRangeEnd(p, scale.rangeFrom, scale.rangeFromTime);
      if (p == nullptr) return Fail(run, "ERROR: AxesScale - no range from");
      p = ReadRangeEnd(p, scale.rangeTo, scale.rangeToTime);
      if (p == nullptr) return Fail(run, "ERROR: AxesScale - no range to");
      return p;
    case ScaleMode::kFromZero:  // these take nothing more
    case ScaleMode::kNice:
      return p;
  }
  return p;
}

const char* AxesDivisionsCommand(CommandContext& run, const char* args) {
  return ReadIntegerOrFail(run, args, run.settings.AxesDivisions, 1, 100,
                           "ERROR: AxesDivisions - between 1-100 inclusive");
}

const char* LabelSpacingCommand(CommandContext& run, const char* args) {
  if (const char* p = ReadAutoWord(args)) {
    run.settings.LabelSpacing = WholeOrAuto{.automatic = true};
    return p;
  }
  int every = 0;
  const char* p = ReadIntegerOrFail(run, args, every, 1, 50, "ERROR: LabelSpacing - between 1-50 inclusive");
  if (p != nullptr) run.settings.LabelSpacing = WholeOrAuto{.value = every};
  return p;
}

const char* CategoryLabelAngleCommand(CommandContext& run, const char* args) {
  // A missing angle reads as 0, which is one of the angles: it is refused all the same.
  std::string token;
  int angle = -1;
  const char* p = ReadToken(args, token, 20) == nullptr ? args : ParseInteger(args, angle);
  if (angle != 0 && angle != 30 && angle != 45 && angle != 60 && angle != 90) {
    return Fail(run, "ERROR: CategoryLabelAngle - must be 0, 30, 45, 60 or 90");
  }
  run.settings.CategoryLabelAngle = angle;
  return p;
}

const char* DecimalPointsCommand(CommandContext& run, const char* args) {
  return ReadIntegerOrFail(run, args, run.settings.DecimalPoints, 0, 9,
                           "ERROR: DecimalPoints - between 0-9 inclusive");
}

const char* AxesGridLineStyleCommand(CommandContext& run, const char* args) {
  auto& style = run.settings.AxesGridLineStyle;
  const char* p = ParseInteger(args, style.dashOn);
  p = ParseInteger(p, style.dashOff);
  p = ParseInteger(p, style.dashPhase);
  auto outside = [](int v) { return v < 0 || v > 100; };
  if (outside(style.dashOn) || outside(style.dashOff) || outside(style.dashPhase)) {
    return Fail(run, "ERROR: AxesGridLineStyle - values between 0-100 inclusive");
  }
  return p;
}

const char* AxesGridLineCommand(CommandContext& run, const char* args) {
  auto& gridLine = run.settings.AxesGridLine;
  return ReadLineWidthAndColor(run, args, "AxesGridLine", gridLine.width, gridLine.color);
}

}  // namespace corvane
