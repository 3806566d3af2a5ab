// The value syntax of data items, shared by -Datum, -Datum2..-Datum10 and dataset lines: a
// list of up to ten plain numbers, or one duration written as [h:]m:s[.fff]. The readers
// keep the table's seriesCount, timeValues and decimalSeen, which every later item must
// agree with; the callers turn each failure into their own message.
#pragma once

#include <array>
#include <string_view>

#include "model/data_table.h"

namespace corvane {

enum class ValueError {
  kNone,
  kMissing,         // no value where one was needed
  kInvalid,         // a value that is not a number or not a valid time
  kTooMany,         // more than kMaxSeries numbers
  kDifferentCount,  // another number of values than seriesCount asks for
};

using SeriesValues = std::array<double, kMaxSeries>;

// On a dataset line the values may also be separated by a separator (the DataSeparator without
// the blanks around it), blanks around it allowed; an empty field between two separators is
// an invalid value. The readers below take it as `separator`; empty where only blanks separate.

// Where the values of an item stop, after blanks: at the end of the text, at ';' (unless it
// begins the separator), or at a '-' that is not followed by a digit (the start of the next
// command).
bool AtValuesEnd(const char* pos, std::string_view separator = {});

// Whether pos is at the separator.
bool AtSeparator(const char* pos, std::string_view separator);

// Whether the values from pos onward, up to where they stop, are written in time form
// (they contain a ':').
bool IsTimeForm(const char* pos, std::string_view separator = {});

// How an item's form compares with the table's. The first item of the table sets
// timeValues when it is in time form.
enum class FormCheck { kAgrees, kTimeAfterNumbers, kNotTime };
FormCheck CheckTimeForm(DataTable& table, bool timeForm, bool firstItem);

// Where an item's values failed, for the line that shows what was read: the value (counting
// from 1) and the text where it begins.
struct ValueFailure {
  int value = 0;
  const char* at = "";
};

// The text of the value that begins at pos, up to a blank, the separator or the end; empty
// where the values stop or at the separator (an empty field).
std::string_view ValueText(const char* pos, std::string_view separator = {});

// One number: up to 15 characters of digits, '.', '+' and '-', followed by a blank, the
// separator or the end; missing where the values stop. On success pos moves to the character
// after the number; decimal tells whether it had a point.
ValueError ReadNumber(const char*& pos, double& value, bool& decimal, std::string_view separator = {});

// One to ten numbers into values[0..]. Fixes seriesCount on the table's first numeric list,
// checks it afterwards, and sets decimalSeen when a number had a point. On success pos is
// where the list stopped; on failure, failure (when given) tells where.
ValueError ReadValueList(DataTable& table, const char*& pos, SeriesValues& values, std::string_view separator = {},
                         ValueFailure* failure = nullptr);

// One duration in milliseconds. Hours have no bound but 64-bit arithmetic; a fraction of a
// second sets decimalSeen. On success pos moves to the character after the value.
ValueError ReadTimeValue(DataTable& table, const char*& pos, double& milliseconds, std::string_view separator = {});

// The values of one item in the form timeValues prescribes: one time value into values[0]
// (accepted only while seriesCount is 0), or a list of numbers.
ValueError ReadItemValues(DataTable& table, const char*& pos, SeriesValues& values, std::string_view separator = {},
                          ValueFailure* failure = nullptr);

}  // namespace corvane
