// The keyword tables of the command language: ordered rows of {keyword, value}, where
// several keywords may carry the same value. Looked up without regard to letter case.
#pragma once

#include <span>
#include <string_view>

namespace corvane {

struct Keyword {
  const char* keyword;
  int value;
};

using KeywordTable = std::span<const Keyword>;

// The result of a lookup that matches no row.
inline constexpr int NotFound = 999999999;

// The value of the first row whose keyword equals the word, letter case ignored.
int LookupKeyword(KeywordTable table, std::string_view word);

extern const KeywordTable TextStyleTable;
extern const KeywordTable VerticalAlignmentTable;
extern const KeywordTable ChartTypeTable;
extern const KeywordTable HorizontalAlignmentTable;
extern const KeywordTable FontTable;
extern const KeywordTable BarStyleTable;
extern const KeywordTable PieStyleTable;
extern const KeywordTable LineStyleTable;
extern const KeywordTable AreaStyleTable;
extern const KeywordTable AxesLineFormatTable;
extern const KeywordTable AxesScaleTable;
extern const KeywordTable LabelPositionTable;
extern const KeywordTable LegendPositionTable;
extern const KeywordTable PieLabelPositionTable;
extern const KeywordTable YLabelPositionTable;
extern const KeywordTable MarkerShapeTable;
extern const KeywordTable SortFieldTable;
extern const KeywordTable SortOrderTable;

// The name of standard font number 1..14, the row of FontTable with that value.
const char* FontName(int font);

}  // namespace corvane
