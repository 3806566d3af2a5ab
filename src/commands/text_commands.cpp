#include "commands/text_commands.h"

#include <string>
#include <vector>

#include "commands/command_context.h"
#include "commands/command_reader.h"
#include "commands/handler_support.h"
#include "commands/keyword_tables.h"
#include "commands/value_parsers.h"
#include "platform/compare.h"

namespace corvane {
namespace {

constexpr std::size_t kMaxAlignmentLength = 20;
constexpr std::size_t kMaxTitleLength = 100;
constexpr std::size_t kMaxLegendPositionLength = 19;
constexpr std::size_t kMaxFormatLength = 21;
constexpr std::size_t kMaxYLabelPositionLength = 20;
constexpr std::size_t kMaxFontNameLength = 40;

// "FILE:INDEX" names a face of a collection; a name without a final ":digits" is face 0.
FontFile FontFileOf(const std::string& token) {
  const std::size_t colon = token.rfind(':');
  const bool indexed = colon != std::string::npos && colon > 0 && colon + 1 < token.size() && colon + 6 > token.size() &&
                       token.find_first_not_of("0123456789", colon + 1) == std::string::npos;
  if (!indexed) return FontFile{token, 0};
  return FontFile{token.substr(0, colon), std::stoi(token.substr(colon + 1))};
}

bool IsLegendWidth(double width) { return width > 0.0 && width <= 10.0; }

// The two axis captions read alike, each failing under its own name: the font, the alignment
// along the axis (in the words of its direction) and the title.
template <typename Alignment>
const char* ReadAxesCaption(CommandContext& run, const char* command, const char* direction,
                            KeywordTable<Alignment> alignments, AxesCaptionSettings<Alignment>& caption,
                            const char* args) {
  const char* p = ParseFontSpec(run, command, caption.font, args);
  if (p == nullptr) return nullptr;

  std::string word;
  p = ReadToken(p, word, kMaxAlignmentLength);
  if (p == nullptr) {
    return word == TooLongMarker ? Fail(run, "ERROR: %s - %s alignment too long", command, direction)
                                 : Fail(run, "ERROR: %s - no %s alignment", command, direction);
  }
  const auto alignment = LookupKeyword(alignments, word);
  if (!alignment) return Fail(run, "ERROR: %s - unknown %s alignment", command, direction);
  caption.alignment = *alignment;

  std::string title;
  p = ReadTokenOrFail(run, command, p, title, kMaxTitleLength, "ERROR: %s - no title", "ERROR: %s - title too long");
  if (p == nullptr) return nullptr;
  caption.title = title;
  return p;
}

// The item legend and the data-series legend read alike, each failing under its own name: the
// position, outline colour, width and background colour, the entry format (the item legend's
// only) and the font.
const char* ReadLegend(CommandContext& run, const char* command, LegendSettings& legend, bool withFormat,
                       const char* args) {
  std::string word;
  const char* p = ReadTokenOrFail(run, command, args, word, kMaxLegendPositionLength,
                                  "ERROR: %s - position not specified", "ERROR: %s - position too long");
  if (p == nullptr) return nullptr;
  legend.position = LookupKeyword(LegendPositionTable, word);
  if (!legend.position) return Fail(run, "ERROR: %s - unknown position", command);

  p = ParseColor(p, legend.outlineColor);
  if (!IsValidColor(legend.outlineColor)) return Fail(run, "ERROR: %s - outline color is not valid", command);

  p = ParseReal(p, legend.width);
  if (p == nullptr) return Fail(run, "ERROR: %s - no width", command);
  if (!IsLegendWidth(legend.width)) {
    return Fail(run, "ERROR: %s - width must be greater than 0.0 and less than or equal to 10.0", command);
  }

  p = ParseColor(p, legend.backgroundColor);
  if (!IsValidColor(legend.backgroundColor)) return Fail(run, "ERROR: %s - backround color is not valid", command);

  if (withFormat) {
    std::string format;
    p = ReadTokenOrFail(run, command, p, format, kMaxFormatLength, "ERROR: %s - format not specified",
                        "ERROR: %s - format too long");
    if (p == nullptr) return nullptr;
    legend.format = format;
  }
  return ParseFontSpec(run, command, legend.font, p);
}

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
  return ReadAxesCaption(run, "AxesCaptionX", "horizontal", HorizontalAlignmentTable, run.settings.AxesCaptionX,
                         args);
}

// Unlike the heading, the Y caption may stand at the middle of its axis.
const char* AxesCaptionYCommand(CommandContext& run, const char* args) {
  return ReadAxesCaption(run, "AxesCaptionY", "vertical", VerticalAlignmentTable, run.settings.AxesCaptionY, args);
}

const char* LegendCommand(CommandContext& run, const char* args) {
  return ReadLegend(run, "Legend", run.settings.Legend, true, args);
}

const char* DataSeriesLegendCommand(CommandContext& run, const char* args) {
  return ReadLegend(run, "DataSeriesLegend", run.settings.DataSeriesLegend, false, args);
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

const char* FontCommand(CommandContext& run, const char* args) {
  std::string name;
  const char* p = ReadTokenOrFail(run, args, name, kMaxFontNameLength, "ERROR: Font - no name",
                                  "ERROR: Font - name too long");
  if (p == nullptr) return nullptr;
  std::string token;
  p = ReadTokenOrFail(run, p, token, kMaxFileNameLength, "ERROR: Font - no filename",
                      "ERROR: Font - filename too long");
  if (p == nullptr) return nullptr;
  const FontFile file = FontFileOf(token);
  int error = 0;
  if (run.fonts.Open(file, error) == nullptr) {
    if (error != 0) return Fail(run, "ERROR: Font - could not open [%s], error=%d", file.path.c_str(), error);
    return Fail(run, "ERROR: Font - not a TrueType font [%s]", token.c_str());
  }
  // A name given again takes its new file, also in the font settings that named it before.
  std::vector<NamedFont>& named = run.settings.Fonts;
  const NamedFont font{name, file.path, file.index};
  for (NamedFont& known : named) {
    if (EqualsNoCase(known.name, name)) {
      known = font;
      return p;
    }
  }
  named.push_back(font);
  return p;
}

}  // namespace corvane
