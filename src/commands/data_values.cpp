#include "commands/data_values.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "commands/command_reader.h"
#include "commands/value_parsers.h"

namespace corvane {
namespace {

constexpr std::size_t kMaxValueLength = 15;

bool IsTimeChar(char c) { return IsDigit(c) || c == '.' || c == ':'; }

bool EndsValue(char c) { return c == 0 || IsBlank(c); }

// A field of a time value: one or more digits, within max. Returns false when it is empty,
// holds anything else, or is beyond max (which also keeps the sum below from overflowing).
// The field lies in a text where a non-digit or the end follows it.
bool ReadTimeField(std::string_view field, std::int64_t max, std::int64_t& value) {
  const char* p = field.data();
  value = ReadDigits(p, max);
  return !field.empty() && p == field.data() + field.size() && value <= max;
}

}  // namespace

bool AtSeparator(const char* pos, std::string_view separator) {
  // strncmp stops at the text's end, which a view of it would first have to find.
  return !separator.empty() && *pos == separator[0] &&
         std::strncmp(pos, separator.data(), separator.size()) == 0;
}

bool AtValuesEnd(const char* pos, std::string_view separator) {
  const char* p = SkipBlanks(pos);
  return *p == 0 || (*p == ';' && !AtSeparator(p, separator)) || (*p == '-' && !IsDigit(p[1]));
}

bool IsTimeForm(const char* pos, std::string_view separator) {
  if (std::strchr(pos, ':') == nullptr) return false;  // most values: no need to find where they stop
  const char* p = pos;
  while (!AtValuesEnd(p, separator)) {
    p = SkipBlanks(p);
    if (AtSeparator(p, separator)) {
      p += separator.size();
      continue;
    }
    for (; !EndsValue(*p) && !AtSeparator(p, separator); ++p) {
      if (*p == ':') return true;
    }
  }
  return false;
}

FormCheck CheckTimeForm(DataTable& table, bool timeForm, bool firstItem) {
  if (firstItem) {
    table.timeValues = timeForm;
    return FormCheck::kAgrees;
  }
  if (timeForm && !table.timeValues) return FormCheck::kTimeAfterNumbers;
  if (!timeForm && table.timeValues) return FormCheck::kNotTime;
  return FormCheck::kAgrees;
}

std::string_view ValueText(const char* pos, std::string_view separator) {
  const char* start = SkipBlanks(pos);
  if (AtValuesEnd(start, separator)) return {};
  const char* end = start;
  while (!EndsValue(*end) && !AtSeparator(end, separator)) ++end;
  return std::string_view(start, static_cast<std::size_t>(end - start));
}

ValueError ReadNumber(const char*& pos, double& value, bool& decimal, std::string_view separator) {
  if (AtValuesEnd(pos, separator)) return ValueError::kMissing;
  const char* p = SkipBlanks(pos);
  bool point = false;
  const char* start = p;
  if (!ReadReal(p, value, point) || p == start || !(EndsValue(*p) || AtSeparator(p, separator))) {
    return ValueError::kInvalid;
  }
  decimal = point;
  pos = p;
  return ValueError::kNone;
}

ValueError ReadValueList(DataTable& table, const char*& pos, SeriesValues& values, std::string_view separator,
                         ValueFailure* failure) {
  const char* p = pos;
  int read = 0;
  bool decimal = false;
  bool afterSeparator = false;  // a value must follow
  const auto fail = [&](ValueError error, const char* at) {
    if (failure != nullptr) *failure = {read + 1, at};
    return error;
  };
  for (;;) {
    const char* next = SkipBlanks(p);
    if (AtSeparator(next, separator)) {
      if (read == 0 || afterSeparator) return fail(ValueError::kInvalid, next);  // an empty field
      p = next + separator.size();
      afterSeparator = true;
      continue;
    }
    if (AtValuesEnd(next, separator)) {
      if (afterSeparator) return fail(ValueError::kInvalid, next);
      break;
    }
    if (read == kMaxSeries) return fail(ValueError::kTooMany, next);
    bool point = false;
    if (ReadNumber(p, values[read], point, separator) != ValueError::kNone) return fail(ValueError::kInvalid, next);
    decimal = decimal || point;
    ++read;
    // A separator right after the number, as most files write it, is passed at once.
    afterSeparator = AtSeparator(p, separator);
    if (afterSeparator) p += separator.size();
  }
  if (read == 0) return fail(ValueError::kMissing, SkipBlanks(p));
  if (table.seriesCount == 0) {
    table.seriesCount = read;
  } else if (read != table.seriesCount) {
    return ValueError::kDifferentCount;
  }
  if (decimal) table.decimalSeen = true;
  pos = SkipBlanks(p);
  return ValueError::kNone;
}

ValueError ReadTimeValue(DataTable& table, const char*& pos, double& milliseconds, std::string_view separator) {
  const char* p = SkipBlanks(pos);
  if (*p == 0 || *p == '-' || *p == ';') return ValueError::kMissing;
  std::string text;
  while (text.size() < kMaxValueLength && IsTimeChar(*p)) text += *p++;
  if (!(EndsValue(*p) || AtSeparator(p, separator)) || text.empty()) return ValueError::kInvalid;

  std::string_view rest = text;
  std::int64_t fraction = 0;
  if (const std::size_t point = rest.find('.'); point != std::string_view::npos) {
    const std::string_view digits = rest.substr(point + 1);
    if (digits.size() > 3 || !ReadTimeField(digits, 999, fraction)) return ValueError::kInvalid;
    for (std::size_t i = digits.size(); i < 3; ++i) fraction *= 10;
    table.decimalSeen = true;
    rest = rest.substr(0, point);
  }

  std::size_t colon = rest.rfind(':');
  if (colon == std::string_view::npos) return ValueError::kInvalid;
  std::int64_t seconds = 0;
  if (!ReadTimeField(rest.substr(colon + 1), 59, seconds)) return ValueError::kInvalid;
  rest = rest.substr(0, colon);

  std::int64_t hours = 0;
  std::int64_t minutes = 0;
  colon = rest.rfind(':');
  if (colon == std::string_view::npos) {
    if (!ReadTimeField(rest, 59, minutes)) return ValueError::kInvalid;
  } else {
    if (!ReadTimeField(rest.substr(colon + 1), 59, minutes)) return ValueError::kInvalid;
    // Hours are unbounded, but their milliseconds must still fit in 64 bits.
    if (!ReadTimeField(rest.substr(0, colon), (INT64_MAX - 3600000) / 3600000, hours)) {
      return ValueError::kInvalid;
    }
  }
  milliseconds = static_cast<double>(hours * 3600000 + minutes * 60000 + seconds * 1000 + fraction);
  pos = p;
  return ValueError::kNone;
}

ValueError ReadItemValues(DataTable& table, const char*& pos, SeriesValues& values, std::string_view separator,
                          ValueFailure* failure) {
  if (!table.timeValues) return ReadValueList(table, pos, values, separator, failure);
  const char* p = pos;
  const ValueError error = ReadTimeValue(table, p, values[0], separator);
  if (failure != nullptr) *failure = {1, SkipBlanks(pos)};
  if (error != ValueError::kNone) return error;
  if (table.seriesCount != 0) return ValueError::kDifferentCount;
  pos = p;
  return ValueError::kNone;
}

}  // namespace corvane
