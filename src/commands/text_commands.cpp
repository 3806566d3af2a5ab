#include "commands/text_commands.h"

#include <string>

#include "commands/command_context.h"
#include "commands/command_reader.h"
#include "commands/handler_support.h"
#include "commands/keyword_tables.h"
#include "commands/value_parsers.h"

namespace corvane {
namespace {

constexpr std::size_t kMaxAlignmentLength = 20;
constexpr std::size_t kMaxTitleLength = 100;
constexpr std::size_t kMaxLegendPositionLength = 19;
constexpr std::size_t kMaxFormatLength = 21;
constexpr std::size_t kMaxYLabelPositionLength = 20;
constexpr std::size_t kMaxSeriesLabelLength = 100;

bool IsLegendWidth(double width) { return width > 0.0 && width <= 10.0; }

}  // namespace

const char* HeadingTitleCommand(CommandContext& run, const char* args) {
  return ParseFontSpec(run, "HeadingTitle", run.settings.HeadingTitle, args);
}

const char* HeadingSubTitleCommand(CommandContext& run, const char* args) {
  return ParseFontSpec(run, "HeadingSubTitle", run.settings.HeadingSubTitle, args);
}

const char* AxesLabelXCommand(CommandContext& run, const char* args) {
  return ParseFontSpec(run, "AxesLabelX", run.settings.AxesLabelX, args);
}

const char* AxesLabelYCommand(CommandContext& run, const char* args) {
  return ParseFontSpec(run, "AxesLabelY", run.settings.AxesLabelY, args);
}

const char* AxesCaptionXCommand(CommandContext& run, const char* args) {
  auto& caption = run.settings.AxesCaptionX;
  const char* p = ParseFontSpec(run, "AxesCaptionX", caption.font, args);
  if (p == nullptr) return nullptr;

  std::string word;
  p = ReadTokenOrFail(run, p, word, kMaxAlignmentLength, "ERROR: AxesCaptionX - no horizontal alignment",
                      "ERROR: AxesCaptionX - horizontal alignment too long");
  if (p == nullptr) return nullptr;
  const auto alignment = LookupKeyword(HorizontalAlignmentTable, word);
  if (!alignment) return Fail(run, "ERROR: AxesCaptionX - unknown horizontal alignment");
  caption.alignment = *alignment;

  std::string title;
  p = ReadTokenOrFail(run, p, title, kMaxTitleLength, "ERROR: AxesCaptionX - no title",
                      "ERROR: AxesCaptionX - title too long");
  if (p == nullptr) return nullptr;
  caption.title = title;
  return p;
}

const char* AxesCaptionYCommand(CommandContext& run, const char* args) {
  auto& caption = run.settings.AxesCaptionY;
  const char* p = ParseFontSpec(run, "AxesCaptionY", caption.font, args);
  if (p == nullptr) return nullptr;

  // Unlike the heading, the caption may stand at the middle of its axis.
  std::string word;
  p = ReadTokenOrFail(run, p, word, kMaxAlignmentLength, "ERROR: AxesCaptionY - no vertical alignment",
                      "ERROR: AxesCaptionY - vertical alignment too long");
  if (p == nullptr) return nullptr;
  const auto alignment = LookupKeyword(VerticalAlignmentTable, word);
  if (!alignment) return Fail(run, "ERROR: AxesCaptionY - unknown vertical alignment");
  caption.alignment = *alignment;

  std::string title;
  p = ReadTokenOrFail(run, p, title, kMaxTitleLength, "ERROR: AxesCaptionY - no title",
                      "ERROR: AxesCaptionY - title too long");
  if (p == nullptr) return nullptr;
  caption.title = title;
  return p;
}

const char* LegendCommand(CommandContext& run, const char* args) {
  auto& legend = run.settings.Legend;
  std::string word;
  const char* p = ReadTokenOrFail(run, args, word, kMaxLegendPositionLength,
                                  "ERROR: Legend - position not specified",
                                  "ERROR: Legend - position too long");
  if (p == nullptr) return nullptr;
  legend.position = LookupKeyword(LegendPositionTable, word);
  if (!legend.position) return Fail(run, "ERROR: Legend - unknown position");

  p = ParseColor(p, legend.outlineColor);
  if (!IsValidColor(legend.outlineColor)) return Fail(run, "ERROR: Legend - outline color is not valid");

  p = ParseReal(p, legend.width);
  if (p == nullptr) return Fail(run, "ERROR: Legend - no width");
  if (!IsLegendWidth(legend.width)) {
    return Fail(run, "ERROR: Legend - width must be greater than 0.0 and less than or equal to 10.0");
  }

  p = ParseColor(p, legend.backgroundColor);
  if (!IsValidColor(legend.backgroundColor)) return Fail(run, "ERROR: Legend - backround color is not valid");

  std::string format;
  p = ReadTokenOrFail(run, p, format, kMaxFormatLength, "ERROR: Legend - format not specified",
                      "ERROR: Legend - format too long");
  if (p == nullptr) return nullptr;
  legend.format = format;

  return ParseFontSpec(run, "Legend", legend.font, p);
}

const char* DataSeriesLegendCommand(CommandContext& run, const char* args) {
  auto& legend = run.settings.DataSeriesLegend;
  std::string word;
  const char* p = ReadTokenOrFail(run, args, word, kMaxLegendPositionLength,
                                  "ERROR: DataSeriesLegend - position not specified",
                                  "ERROR: DataSeriesLegend - position too long");
  if (p == nullptr) return nullptr;
  legend.position = LookupKeyword(LegendPositionTable, word);
  if (!legend.position) return Fail(run, "ERROR: DataSeriesLegend - unknown position");

  p = ParseColor(p, legend.outlineColor);
  if (!IsValidColor(legend.outlineColor)) {
    return Fail(run, "ERROR: DataSeriesLegend - outline color is not valid");
  }

  p = ParseReal(p, legend.width);
  if (p == nullptr) return Fail(run, "ERROR: DataSeriesLegend - no width");
  if (!IsLegendWidth(legend.width)) {
    return Fail(run,
                "ERROR: DataSeriesLegend - width must be greater than 0.0 and less than or equal to 10.0");
  }

  p = ParseColor(p, legend.backgroundColor);
  if (!IsValidColor(legend.backgroundColor)) {
    return Fail(run, "ERROR: DataSeriesLegend - backround color is not valid");
  }

  return ParseFontSpec(run, "DataSeriesLegend", legend.font, p);
}

const char* AxesLabelYPositionCommand(CommandContext& run, const char* args) {
  std::string word;
  const char* p = ReadTokenOrFail(run, args, word, kMaxYLabelPositionLength,
                                  "ERROR: AxesLabelYPosition - field not specified",
                                  "ERROR: AxesLabelYPosition - field too long");
  if (p == nullptr) return nullptr;
  const auto position = LookupKeyword(YLabelPositionTable, word);
  if (!position) return Fail(run, "ERROR: AxesLabelYPosition - unknown position");
  run.settings.AxesLabelYPosition = *position;
  return p;
}

const char* DataSeriesLabelCommand(CommandContext& run, const char* args) {
  auto& labels = run.settings.DataSeriesLabel;
  const char* p = args;
  for (int number = 1;; ++number) {
    std::string label;
    const char* next = ReadToken(p, label, kMaxSeriesLabelLength);
    if (next == nullptr) {
      if (label == TooLongMarker) return Fail(run, "ERROR: DataSeriesLabel - label %d too long", number);
      if (number == 1) return Fail(run, "ERROR: DataSeriesLabel - label %d not specified", number);
      return p;  // nothing more follows
    }
    if (number > kMaxSeries) {
      return Fail(run, "ERROR: DataSeriesLabel - too many data series labels specified (max is %d)",
                  kMaxSeries);
    }
    labels[number - 1] = label;
    p = next;
    if (*p == 0) return p;
  }
}

}  // namespace corvane
