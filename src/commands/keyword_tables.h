// The keyword tables of the command language: ordered rows of {keyword, value}, where
// several keywords may carry the same value. Looked up without regard to letter case.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "model/chart_settings.h"
#include "model/data_table.h"
#include "model/font_spec.h"
#include "platform/compare.h"

namespace corvane {

template <typename Value>
struct Keyword {
  const char* keyword;
  Value value;
};

template <typename Value>
using KeywordTable = std::span<const Keyword<Value>>;

// The value of the first row whose keyword equals the word, letter case ignored; none when
// no row does.
template <typename Value>
std::optional<Value> LookupKeyword(KeywordTable<Value> table, std::string_view word) {
  for (const Keyword<Value>& row : table) {
    if (EqualsNoCase(word, row.keyword)) return row.value;
  }
  return std::nullopt;
}

extern const KeywordTable<TextStyle> TextStyleTable;
extern const KeywordTable<VerticalAlignment> VerticalAlignmentTable;
extern const KeywordTable<ChartType> ChartTypeTable;
extern const KeywordTable<HorizontalAlignment> HorizontalAlignmentTable;
extern const KeywordTable<StandardFont> FontTable;
extern const KeywordTable<ChartStyle> BarStyleTable;
extern const KeywordTable<ChartStyle> PieStyleTable;
extern const KeywordTable<ChartStyle> LineStyleTable;
extern const KeywordTable<ChartStyle> AreaStyleTable;
extern const KeywordTable<AxesLineFormat> AxesLineFormatTable;
extern const KeywordTable<ScaleMode> AxesScaleTable;
extern const KeywordTable<BarLabelPosition> LabelPositionTable;
extern const KeywordTable<BarBase> BarBaseTable;
extern const KeywordTable<BarSeries> BarSeriesTable;
extern const KeywordTable<LegendPosition> LegendPositionTable;
extern const KeywordTable<PieLabelPosition> PieLabelPositionTable;
extern const KeywordTable<YLabelPosition> YLabelPositionTable;
extern const KeywordTable<MarkerShape> MarkerShapeTable;
extern const KeywordTable<SortField> SortFieldTable;
extern const KeywordTable<SortOrder> SortOrderTable;
extern const KeywordTable<DatasetHeader> DatasetHeaderTable;
extern const KeywordTable<OutputFormat> OutputFormatTable;

}  // namespace corvane
