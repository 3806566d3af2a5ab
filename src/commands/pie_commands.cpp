#include "commands/pie_commands.h"

#include <string>

#include "commands/command_context.h"
#include "commands/handler_support.h"
#include "commands/keyword_tables.h"
#include "commands/value_parsers.h"

namespace corvane {

const char* PieColorCommand(CommandContext& run, const char* args) {
  auto& pieColor = run.settings.PieColor;
  // The limit message reads "bar colors" here too; it is kept word for word.
  if (pieColor.count == kMaxPieColors) {
    return Fail(run, "ERROR: PieColor - maximum number of bar colors (%d) reached", kMaxPieColors);
  }
  // The new entry has no earlier colour to keep: one that cannot be read is not valid.
  RgbColor& color = pieColor.color[pieColor.count];
  color = kColorNotSet;
  const char* p = ParseColor(args, color);
  if (!IsValidColor(color)) return Fail(run, "ERROR: PieColor - is not valid");
  ++pieColor.count;
  return p;
}

const char* PieOutlineColorCommand(CommandContext& run, const char* args) {
  auto& outline = run.settings.PieOutlineColor;
  const char* p = ParseColor(args, outline.color);
  if (!IsValidColor(outline.color)) return Fail(run, "ERROR: PieOutlineColor - color is not valid");
  p = ParseReal(p, outline.width);
  if (p == nullptr) return Fail(run, "ERROR: PieOutlineColor - no width");
  if (outline.width <= 0.0 || outline.width > 100.0) {
    return Fail(run,
                "ERROR: PieOutlineColor - width must be greater than 0.0 and less than or equal to 100.0");
  }
  outline.on = true;
  return p;
}

const char* PiePageMarginCommand(CommandContext& run, const char* args) {
  double& margin = run.settings.PiePageMargin;
  const char* p = ParseReal(args, margin);
  if (p == nullptr) return Fail(run, "ERROR: PiePageMargin - no margin");
  if (margin < 0.0 || margin > 100.0) {
    return Fail(run, "ERROR: PiePageMargin - width must be between 0.0 and 100.0 inclusive");
  }
  return p;
}

const char* PieLabelCommand(CommandContext& run, const char* args) {
  auto& pieLabel = run.settings.PieLabel;
  std::string word;
  const char* p = ReadTokenOrFail(run, args, word, 20, "ERROR: PieLabel - position not specified",
                                  "ERROR: PieLabel - position too long");
  if (p == nullptr) return nullptr;
  pieLabel.position = LookupKeyword(PieLabelPositionTable, word);
  if (!pieLabel.position) return Fail(run, "ERROR: PieLabel - unknown position");

  p = ReadTokenOrFail(run, p, pieLabel.format, 21, "ERROR: PieLabel - format not specified",
                      "ERROR: PieLabel - format too long");
  if (p == nullptr) return nullptr;
  return ParseFontSpec(run, "PieLabel", pieLabel.font, p);
}

}  // namespace corvane
