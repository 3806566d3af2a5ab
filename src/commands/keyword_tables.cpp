#include "commands/keyword_tables.h"

#include "platform/compare.h"

namespace corvane {

int LookupKeyword(KeywordTable table, std::string_view word) {
  for (const Keyword& row : table) {
    if (EqualsNoCase(word, row.keyword)) return row.value;
  }
  return NotFound;
}

namespace {

constexpr Keyword kTextStyle[] = {{"Normal", 1}, {"Stroke", 2}};
constexpr Keyword kVerticalAlignment[] = {{"Top", 1},    {"T", 1},      {"Middle", 2},
                                          {"M", 2},      {"Bottom", 3}, {"B", 3}};
constexpr Keyword kChartType[] = {{"Bar", 1}, {"Pie", 2}, {"Line", 3}, {"Area", 4}};
constexpr Keyword kHorizontalAlignment[] = {{"Left", 1},  {"L", 1},     {"Centre", 2}, {"Center", 2},
                                            {"C", 2},     {"Right", 3}, {"R", 3}};
constexpr Keyword kFont[] = {
    {"Courier", 1},         {"Courier-Bold", 2},      {"Courier-BoldOblique", 3},
    {"Courier-Oblique", 4}, {"Helvetica", 5},         {"Helvetica-Bold", 6},
    {"Helvetica-BoldOblique", 7}, {"Helvetica-Oblique", 8}, {"Times-Roman", 9},
    {"Times-Bold", 10},     {"Times-Italic", 11},     {"Times-BoldItalic", 12},
    {"Symbol", 13},         {"ZapfDingbats", 14}};
constexpr Keyword kBarStyle[] = {{"Vertical", 1}, {"V", 1}, {"Horizontal", 2}, {"H", 2}};
constexpr Keyword kPieStyle[] = {{"2D", 3}};
constexpr Keyword kLineStyle[] = {{"Standard", 4}, {"Stepped", 5}, {"Curved", 6}};
constexpr Keyword kAreaStyle[] = {{"Standard", 7}, {"Stepped", 8}, {"Curved", 9}};
constexpr Keyword kAxesLineFormat[] = {{"XY", 1}, {"Full", 2}};
constexpr Keyword kAxesScale[] = {{"FromZero", 1}, {"UnderLowestValue", 2}, {"Range", 3}, {"EitherSide", 4}};
constexpr Keyword kLabelPosition[] = {
    {"Start", 1},        {"S", 1},          {"End", 2},           {"E", 2},
    {"Center", 3},       {"Centre", 3},     {"C", 3},             {"Axes", 4},
    {"A", 4},            {"AxesAndStart", 5}, {"AS", 5},          {"AxesAndEnd", 6},
    {"AE", 6},           {"AxesAndCenter", 7}, {"AxesAndCentre", 7}, {"AC", 7}};
constexpr Keyword kLegendPosition[] = {{"Above", 1}, {"Below", 2}, {"Left", 3}, {"Right", 4}};
constexpr Keyword kPieLabelPosition[] = {{"Inside", 8}, {"I", 8},  {"Outside", 9},
                                         {"O", 9},      {"Spoke", 10}, {"S", 10}};
constexpr Keyword kYLabelPosition[] = {{"Left", 1}, {"Right", 2}};
constexpr Keyword kMarkerShape[] = {{"FilledCircle", 1},  {"OutlineCircle", 2}, {"FilledSquare", 3},
                                    {"OutlineSquare", 4}, {"Cross", 5},         {"FilledDiamond", 6},
                                    {"OutlineDiamond", 7}};
constexpr Keyword kSortField[] = {{"First", 1}, {"1st", 1}, {"F", 1}, {"Second", 2}, {"2nd", 2}, {"S", 2}};
constexpr Keyword kSortOrder[] = {{"Ascending", 1},  {"Asc", 1},  {"A", 1},
                                  {"Descending", 2}, {"Desc", 2}, {"D", 2}};

}  // namespace

const KeywordTable TextStyleTable{kTextStyle};
const KeywordTable VerticalAlignmentTable{kVerticalAlignment};
const KeywordTable ChartTypeTable{kChartType};
const KeywordTable HorizontalAlignmentTable{kHorizontalAlignment};
const KeywordTable FontTable{kFont};
const KeywordTable BarStyleTable{kBarStyle};
const KeywordTable PieStyleTable{kPieStyle};
const KeywordTable LineStyleTable{kLineStyle};
const KeywordTable AreaStyleTable{kAreaStyle};
const KeywordTable AxesLineFormatTable{kAxesLineFormat};
const KeywordTable AxesScaleTable{kAxesScale};
const KeywordTable LabelPositionTable{kLabelPosition};
const KeywordTable LegendPositionTable{kLegendPosition};
const KeywordTable PieLabelPositionTable{kPieLabelPosition};
const KeywordTable YLabelPositionTable{kYLabelPosition};
const KeywordTable MarkerShapeTable{kMarkerShape};
const KeywordTable SortFieldTable{kSortField};
const KeywordTable SortOrderTable{kSortOrder};

const char* FontName(int font) { return kFont[font - 1].keyword; }

}  // namespace corvane
