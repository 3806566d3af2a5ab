#include "commands/value_parsers.h"

#include <charconv>
#include <cstdint>
#include <string>

#include "app/run.h"
#include "commands/command_reader.h"
#include "commands/handler_support.h"
#include "commands/keyword_tables.h"

namespace corvane {
namespace {

constexpr std::size_t kMaxNumberLength = 15;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

const char* ParseHexColor(const char* p, RgbColor& target) {
  int digits[6];
  for (int i = 0; i < 6; ++i) {
    digits[i] = HexDigit(*p);
    if (digits[i] < 0) return *p == 0 ? p : p + 1;
    ++p;
  }
  target.red = static_cast<float>((digits[0] * 16 + digits[1]) / 255.0);
  target.green = static_cast<float>((digits[2] * 16 + digits[3]) / 255.0);
  target.blue = static_cast<float>((digits[4] * 16 + digits[5]) / 255.0);
  return p;
}

}  // namespace

bool ToWholeNumber(std::string_view run, double& value) {
  // from_chars takes a leading minus but no plus; a plus before a minus is no number.
  if (run.starts_with('+')) {
    run.remove_prefix(1);
    if (run.starts_with('-')) return false;
  }
  const char* end = run.data() + run.size();
  double number = 0.0;
  const auto result = std::from_chars(run.data(), end, number, std::chars_format::fixed);
  if (result.ec != std::errc() || result.ptr != end) return false;
  value = number;
  return true;
}

const char* ParseInteger(const char* pos, int& target) {
  const char* p = SkipBlanks(pos);
  const bool negative = *p == '-';
  if (negative) ++p;
  std::int64_t value = 0;
  for (; *p != 0 && *p != ' '; ++p) {
    if (!IsDigit(*p)) {
      target = -1;
      return p;
    }
    // Saturate: anything beyond 32 bits stays far outside every accepted range.
    if (value < INT32_MAX) value = value * 10 + (*p - '0');
  }
  if (value > INT32_MAX) value = INT32_MAX;
  target = static_cast<int>(negative ? -value : value);
  return p;
}

const char* ParseReal(const char* pos, double& target) {
  const char* p = SkipBlanks(pos);
  std::string number;
  while (number.size() < kMaxNumberLength && (IsDigit(*p) || *p == '.' || *p == '+' || *p == '-')) {
    number += *p++;
  }
  if (*p != 0 && !IsBlank(*p)) return nullptr;
  if (number.empty()) {
    target = 0.0;
  } else if (!ToWholeNumber(number, target)) {
    return nullptr;
  }
  return *p == 0 ? p : p + 1;
}

const char* ParseColor(const char* pos, RgbColor& target) {
  const char* p = SkipBlanks(pos);
  if (*p == '#') return ParseHexColor(p + 1, target);

  double components[3];
  for (int i = 0; i < 3; ++i) {
    std::string number;
    while (number.size() < kMaxNumberLength && (IsDigit(*p) || *p == '.')) number += *p++;
    const bool endsWell = IsBlank(*p) || (i == 2 && *p == 0);
    if (!endsWell) return p;
    // An empty number (a second blank) reads as 0.
    double value = 0.0;
    if (!number.empty() && !ToWholeNumber(number, value)) return p;
    if (*p != 0) ++p;
    components[i] = number.find('.') != std::string::npos ? value : value / 255.0;
  }
  target.red = static_cast<float>(components[0]);
  target.green = static_cast<float>(components[1]);
  target.blue = static_cast<float>(components[2]);
  return p;
}

const char* ParseFontSpec(Run& run, const char* commandName, FontSpec& target, const char* pos) {
  const char* p = ParseInteger(pos, target.size);
  if (target.size < 1 || target.size > 300) {
    return Fail(run, "ERROR: %s - size must be between 1 and 300 inclusive", commandName);
  }

  std::string word;
  p = ReadToken(p, word, 40);
  if (p == nullptr) {
    return word == TooLongMarker ? Fail(run, "ERROR: %s - font name too long", commandName)
                                 : Fail(run, "ERROR: %s - no font name", commandName);
  }
  target.font = LookupKeyword(FontTable, word);
  if (target.font == NotFound) return Fail(run, "ERROR: %s - unknown font name", commandName);
  run.settings.FontUsed[target.font] = 1;

  p = ParseColor(p, target.fillColor);

  p = ReadToken(p, word, 40);
  if (p == nullptr) {
    return word == TooLongMarker ? Fail(run, "ERROR: %s - text style too long", commandName)
                                 : Fail(run, "ERROR: %s - no text style", commandName);
  }
  target.textStyle = LookupKeyword(TextStyleTable, word);
  if (target.textStyle == NotFound) return Fail(run, "ERROR: %s - unknown text style", commandName);

  if (target.textStyle == kTextStyleStroke) p = ParseColor(p, target.strokeColor);
  return p;
}

}  // namespace corvane
