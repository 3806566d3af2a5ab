#include "commands/keyword_tables.h"

#include <array>

namespace corvane {
namespace {

using enum ChartStyle;

constexpr Keyword<TextStyle> kTextStyle[] = {{"Normal", TextStyle::kNormal}, {"Stroke", TextStyle::kStroke}};
constexpr Keyword<VerticalAlignment> kVerticalAlignment[] = {
    {"Top", VerticalAlignment::kTop},       {"T", VerticalAlignment::kTop},
    {"Middle", VerticalAlignment::kMiddle}, {"M", VerticalAlignment::kMiddle},
    {"Bottom", VerticalAlignment::kBottom}, {"B", VerticalAlignment::kBottom}};
constexpr Keyword<ChartType> kChartType[] = {
    {"Bar", ChartType::kBar}, {"Pie", ChartType::kPie}, {"Line", ChartType::kLine}, {"Area", ChartType::kArea}};
constexpr Keyword<HorizontalAlignment> kHorizontalAlignment[] = {
    {"Left", HorizontalAlignment::kLeft},     {"L", HorizontalAlignment::kLeft},
    {"Centre", HorizontalAlignment::kCentre}, {"Center", HorizontalAlignment::kCentre},
    {"C", HorizontalAlignment::kCentre},      {"Right", HorizontalAlignment::kRight},
    {"R", HorizontalAlignment::kRight}};
// The standard fonts by their own names, in table order.
constexpr auto kFont = [] {
  std::array<Keyword<StandardFont>, kFontCount> rows{};
  for (int n = 0; n < kFontCount; ++n) rows[n] = {kStandardFontNames[n], static_cast<StandardFont>(n)};
  return rows;
}();
constexpr Keyword<ChartStyle> kBarStyle[] = {
    {"Vertical", kBarVertical}, {"V", kBarVertical}, {"Horizontal", kBarHorizontal}, {"H", kBarHorizontal}};
constexpr Keyword<ChartStyle> kPieStyle[] = {{"2D", kPie}};
constexpr Keyword<ChartStyle> kLineStyle[] = {
    {"Standard", kLineStandard}, {"Stepped", kLineStepped}, {"Curved", kLineCurved}};
constexpr Keyword<ChartStyle> kAreaStyle[] = {
    {"Standard", kAreaStandard}, {"Stepped", kAreaStepped}, {"Curved", kAreaCurved}};
constexpr Keyword<AxesLineFormat> kAxesLineFormat[] = {{"XY", AxesLineFormat::kXY},
                                                      {"Full", AxesLineFormat::kFull}};
constexpr Keyword<ScaleMode> kAxesScale[] = {{"FromZero", ScaleMode::kFromZero},
                                            {"UnderLowestValue", ScaleMode::kUnderLowestValue},
                                            {"Range", ScaleMode::kRange},
                                            {"EitherSide", ScaleMode::kEitherSide},
                                            {"Nice", ScaleMode::kNice}};
constexpr Keyword<BarLabelPosition> kLabelPosition[] = {
    {"Start", BarLabelPosition::kStart},
    {"S", BarLabelPosition::kStart},
    {"End", BarLabelPosition::kEnd},
    {"E", BarLabelPosition::kEnd},
    {"Center", BarLabelPosition::kCenter},
    {"Centre", BarLabelPosition::kCenter},
    {"C", BarLabelPosition::kCenter},
    {"Axes", BarLabelPosition::kAxes},
    {"A", BarLabelPosition::kAxes},
    {"AxesAndStart", BarLabelPosition::kAxesAndStart},
    {"AS", BarLabelPosition::kAxesAndStart},
    {"AxesAndEnd", BarLabelPosition::kAxesAndEnd},
    {"AE", BarLabelPosition::kAxesAndEnd},
    {"AxesAndCenter", BarLabelPosition::kAxesAndCenter},
    {"AxesAndCentre", BarLabelPosition::kAxesAndCenter},
    {"AC", BarLabelPosition::kAxesAndCenter}};
constexpr Keyword<BarBase> kBarBase[] = {{"Minimum", BarBase::kMinimum}, {"Zero", BarBase::kZero}};
constexpr Keyword<BarSeries> kBarSeries[] = {
    {"First", BarSeries::kFirst}, {"Grouped", BarSeries::kGrouped}, {"Stacked", BarSeries::kStacked}};
constexpr Keyword<LegendPosition> kLegendPosition[] = {{"Above", LegendPosition::kAbove},
                                                      {"Below", LegendPosition::kBelow},
                                                      {"Left", LegendPosition::kLeft},
                                                      {"Right", LegendPosition::kRight}};
constexpr Keyword<PieLabelPosition> kPieLabelPosition[] = {
    {"Inside", PieLabelPosition::kInside},   {"I", PieLabelPosition::kInside},
    {"Outside", PieLabelPosition::kOutside}, {"O", PieLabelPosition::kOutside},
    {"Spoke", PieLabelPosition::kSpoke},     {"S", PieLabelPosition::kSpoke},
    {"SpokeUpright", PieLabelPosition::kSpokeUpright}};
constexpr Keyword<YLabelPosition> kYLabelPosition[] = {{"Left", YLabelPosition::kLeft},
                                                      {"Right", YLabelPosition::kRight}};
constexpr Keyword<MarkerShape> kMarkerShape[] = {
    {"FilledCircle", MarkerShape::kFilledCircle},   {"OutlineCircle", MarkerShape::kOutlineCircle},
    {"FilledSquare", MarkerShape::kFilledSquare},   {"OutlineSquare", MarkerShape::kOutlineSquare},
    {"Cross", MarkerShape::kCross},                 {"FilledDiamond", MarkerShape::kFilledDiamond},
    {"OutlineDiamond", MarkerShape::kOutlineDiamond}};
constexpr Keyword<SortField> kSortField[] = {{"First", SortField::kFirst},   {"1st", SortField::kFirst},
                                            {"F", SortField::kFirst},       {"Second", SortField::kSecond},
                                            {"2nd", SortField::kSecond},    {"S", SortField::kSecond}};
constexpr Keyword<SortOrder> kSortOrder[] = {
    {"Ascending", SortOrder::kAscending},   {"Asc", SortOrder::kAscending},   {"A", SortOrder::kAscending},
    {"Descending", SortOrder::kDescending}, {"Desc", SortOrder::kDescending}, {"D", SortOrder::kDescending}};
constexpr Keyword<DatasetHeader> kDatasetHeader[] = {
    {"Auto", DatasetHeader::kAuto}, {"Yes", DatasetHeader::kYes}, {"No", DatasetHeader::kNo}};
constexpr Keyword<OutputFormat> kOutputFormat[] = {
    {"PDF", OutputFormat::kPdf}, {"PNG", OutputFormat::kPng}, {"SVG", OutputFormat::kSvg}};

}  // namespace

const KeywordTable<TextStyle> TextStyleTable{kTextStyle};
const KeywordTable<VerticalAlignment> VerticalAlignmentTable{kVerticalAlignment};
const KeywordTable<ChartType> ChartTypeTable{kChartType};
const KeywordTable<HorizontalAlignment> HorizontalAlignmentTable{kHorizontalAlignment};
const KeywordTable<StandardFont> FontTable{kFont};
const KeywordTable<ChartStyle> BarStyleTable{kBarStyle};
const KeywordTable<ChartStyle> PieStyleTable{kPieStyle};
const KeywordTable<ChartStyle> LineStyleTable{kLineStyle};
const KeywordTable<ChartStyle> AreaStyleTable{kAreaStyle};
const KeywordTable<AxesLineFormat> AxesLineFormatTable{kAxesLineFormat};
const KeywordTable<ScaleMode> AxesScaleTable{kAxesScale};
const KeywordTable<BarLabelPosition> LabelPositionTable{kLabelPosition};
const KeywordTable<BarBase> BarBaseTable{kBarBase};
const KeywordTable<BarSeries> BarSeriesTable{kBarSeries};
const KeywordTable<LegendPosition> LegendPositionTable{kLegendPosition};
const KeywordTable<PieLabelPosition> PieLabelPositionTable{kPieLabelPosition};
const KeywordTable<YLabelPosition> YLabelPositionTable{kYLabelPosition};
const KeywordTable<MarkerShape> MarkerShapeTable{kMarkerShape};
const KeywordTable<SortField> SortFieldTable{kSortField};
const KeywordTable<SortOrder> SortOrderTable{kSortOrder};
const KeywordTable<DatasetHeader> DatasetHeaderTable{kDatasetHeader};
const KeywordTable<OutputFormat> OutputFormatTable{kOutputFormat};

}  // namespace corvane
