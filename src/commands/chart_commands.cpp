#include "commands/chart_commands.h"

#include <string>
#include <string_view>

#include "commands/command_context.h"
#include "commands/command_reader.h"
#include "commands/handler_support.h"
#include "commands/keyword_tables.h"
#include "commands/value_parsers.h"
#include "platform/compare.h"

namespace corvane {
namespace {

constexpr std::size_t kMaxChartWordLength = 19;
constexpr std::size_t kMaxPageNameLength = 20;
constexpr std::size_t kMaxAlignmentLength = 20;
constexpr int kMinPageSize = 100;
constexpr int kMaxPageSize = 10000;

// Each chart type has its own style words.
KeywordTable<ChartStyle> StyleTableOf(ChartType chartType) {
  switch (chartType) {
    case ChartType::kBar: return BarStyleTable;
    case ChartType::kPie: return PieStyleTable;
    case ChartType::kLine: return LineStyleTable;
    case ChartType::kArea: return AreaStyleTable;
  }
  return AreaStyleTable;
}

// Paper sizes in points, held in single precision as the page takes them.
struct PageSize {
  const char* name;
  float width;
  float height;
};

constexpr PageSize kPageSizes[] = {
    {"A0", 2383.92f, 3370.32f},  {"A1", 1676.88f, 2383.92f},     {"A2", 1190.88f, 1676.88f},
    {"A3", 841.68f, 1190.88f},   {"A4", 595.44f, 841.68f},       {"A5", 419.76f, 595.44f},
    {"B0", 2834.64f, 4008.24f},  {"B1", 2003.76f, 2834.64f},     {"B2", 1416.96f, 2003.76f},
    {"B3", 1000.8f, 1416.96f},   {"B4", 708.48f, 1000.8f},       {"B5", 498.96f, 708.48f},
    {"Letter", 612.0f, 792.0f},  {"Tabloid", 792.0f, 1296.0f},   {"Ledger", 1296.0f, 792.0f},
    {"Executive", 521.28f, 756.0f}, {"Legal", 612.0f, 1008.0f},  {"Folio", 594.0f, 936.0f},
    {"Foolscap", 576.0f, 936.0f}, {"Quarto", 612.0f, 778.5f},    {"Statement", 396.0f, 612.0f},
};

const PageSize* FindPageSize(std::string_view name) {
  for (const PageSize& size : kPageSizes) {
    if (EqualsNoCase(name, size.name)) return &size;
  }
  return nullptr;
}

// Whole points, a fraction of one half or more rounding up.
int RoundToPoints(float size) { return static_cast<int>(static_cast<double>(size) + 0.5); }

bool IsPageSize(int points) { return points >= kMinPageSize && points <= kMaxPageSize; }

}  // namespace

const char* ChartCommand(CommandContext& run, const char* args) {
  auto& chart = run.settings.Chart;
  if (chart.type) return Fail(run, "ERROR: Chart - type already specified");

  std::string type;
  const char* p = ReadTokenOrFail(run, args, type, kMaxChartWordLength, "ERROR: Chart - type not specified",
                                  "ERROR: Chart - type too long");
  if (p == nullptr) return nullptr;
  chart.type = LookupKeyword(ChartTypeTable, type);
  if (!chart.type) return Fail(run, "ERROR: Chart - unknown chart type");

  std::string style;
  p = ReadTokenOrFail(run, p, style, kMaxChartWordLength, "ERROR: Chart - style not specified",
                      "ERROR: Chart - style too long");
  if (p == nullptr) return nullptr;
  chart.style = LookupKeyword(StyleTableOf(*chart.type), style);
  if (!chart.style) return Fail(run, "ERROR: Style - unknown chart style");

  run.log.LogMessage("Chart type: %s %s", type.c_str(), style.c_str());
  return p;
}

const char* ChartBackgroundCommand(CommandContext& run, const char* args) {
  // The colour reader leaves an unreadable colour as it was; the preset makes that invalid.
  RgbColor from = kColorNotSet;
  RgbColor to = kColorNotSet;

  const char* p = ParseColor(args, from);
  if (!IsValidColor(from)) {
    return Fail(run, "ERROR: ChartBackground - from color is not valid");
  }

  p = ParseColor(p, to);
  if (!IsValidColor(to)) return Fail(run, "ERROR: ChartBackground - to color is not valid");
  run.settings.ChartBackground = {from, to};
  return p;
}

const char* PageCommand(CommandContext& run, const char* args) {
  auto& page = run.settings.Page;
  // Preset so that a missing colour fails the colour check.
  page.width = -1;
  page.height = -1;
  page.color = kColorNotSet;

  const char* p = ParseInteger(args, page.width);
  if (IsPageSize(page.width)) {
    p = ParseInteger(p, page.height);
    if (!IsPageSize(page.height)) {
      return Fail(run, "ERROR: Page - height must be between 100 and 10000 inclusive");
    }
  } else {
    // Not a width: the first argument is a paper name, turned to landscape by a '+'.
    std::string name;
    p = ReadToken(args, name, kMaxPageNameLength);
    const std::size_t plus = name.find('+');
    const bool landscape = plus != std::string::npos;
    if (landscape) name.resize(plus);
    const PageSize* size = p == nullptr ? nullptr : FindPageSize(name);
    if (size == nullptr) return Fail(run, "ERROR: Page - width must be between 100 and 10000 inclusive");
    page.width = RoundToPoints(landscape ? size->height : size->width);
    page.height = RoundToPoints(landscape ? size->width : size->height);
  }

  p = ParseColor(p, page.color);
  if (!IsValidColor(page.color)) return Fail(run, "ERROR: Page - color is not valid");
  return p;
}

const char* PageMarginCommand(CommandContext& run, const char* args) {
  std::string token;
  if (ReadToken(args, token, kMaxPageNameLength) == nullptr && token != TooLongMarker) {
    return Fail(run, "ERROR: PageMargin - not specified");
  }
  if (const char* p = ReadAutoWord(args)) {
    run.settings.PageMargin = WholeOrAuto{.automatic = true};
    return p;
  }
  int margin = 0;
  const char* p = ReadIntegerOrFail(run, args, margin, 0, 200, "ERROR: PageMargin - between 0-200 inclusive");
  if (p != nullptr) run.settings.PageMargin = WholeOrAuto{.value = margin};
  return p;
}

const char* ChartHeadingCommand(CommandContext& run, const char* args) {
  auto& heading = run.settings.ChartHeading;
  std::string word;
  const char* p = ReadTokenOrFail(run, args, word, kMaxAlignmentLength,
                                  "ERROR: ChartHeading - no vertical alignment",
                                  "ERROR: ChartHeading - vertical alignment too long");
  if (p == nullptr) return nullptr;
  const auto vertical = LookupKeyword(VerticalAlignmentTable, word);
  if (!vertical) return Fail(run, "ERROR: ChartHeading - unknown vertical alignment");
  // The heading goes above or below the chart, never beside its middle.
  if (vertical == VerticalAlignment::kMiddle) {
    return Fail(run, "ERROR: ChartHeading - this vertical alignment not allowed");
  }
  heading.vertical = *vertical;

  p = ReadTokenOrFail(run, p, word, kMaxAlignmentLength, "ERROR: ChartHeading - no horizontal alignment",
                      "ERROR: ChartHeading - horizontal alignment too long");
  if (p == nullptr) return nullptr;
  const auto horizontal = LookupKeyword(HorizontalAlignmentTable, word);
  if (!horizontal) return Fail(run, "ERROR: ChartHeading - unknown horizontal alignment");
  heading.horizontal = *horizontal;
  return p;
}

}  // namespace corvane
