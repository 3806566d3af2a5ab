// How a dataset line divides into fields, as spreadsheets and databases write them: at the
// separator, each field without the blanks around it, and a field that begins with a double
// quote running to its closing quote (a doubled quote inside standing for one, as RFC 4180 has
// it), so that it may hold the separator.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// The separator as it divides fields: the DataSeparator without the blanks around it, or the
// whole of it when it is nothing but blanks (a tab).
std::string_view FieldSeparator(std::string_view separator);

// The separator the value readers take between values: FieldSeparator, unless that holds a
// character a value can hold (a digit, '.', '+', '-', ':') or is nothing but blanks, which
// separate values anyway; then none.
std::string_view ValueSeparator(std::string_view separator);

// The fields of the line. A quoted field is taken as quoted only when its closing quote is
// followed, after blanks, by the separator or the end; otherwise its text runs, quotes and all,
// to the next separator.
std::vector<std::string> SplitFields(std::string_view line, std::string_view separator);

// A label in double quotes at the start of a line: its text, and where the values begin, after
// the separator that follows the closing quote (blanks before it allowed). None when the line
// does not begin so; it is then read as it always was, up to the first separator.
struct QuotedLabel {
  std::string text;
  std::size_t valuesAt;
};
std::optional<QuotedLabel> ReadQuotedLabel(std::string_view line, std::string_view separator);

// Whether the field begins with a number or a time value that a blank or its end follows.
bool ReadsAsValue(const std::string& field);

// Whether the field holds a letter: an ASCII letter, or any character beyond ASCII.
bool HoldsLetter(std::string_view field);

}  // namespace corvane
