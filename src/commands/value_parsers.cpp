#include "commands/value_parsers.h"

#include <cstdint>
#include <cstdlib>
#include <string>

#include "commands/command_context.h"
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

// The longest leading part of the text that forms a decimal number, or 0.0.
double ToDouble(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

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
  target = ToDouble(number);
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
    if (*p != 0) ++p;
    const double value = ToDouble(number);
    components[i] = number.find('.') != std::string::npos ? value : value / 255.0;
  }
  target.red = static_cast<float>(components[0]);
  target.green = static_cast<float>(components[1]);
  target.blue = static_cast<float>(components[2]);
  return p;
}

const char* ParseFontSpec(CommandContext& run, const char* commandName, FontSpec& target, const char* pos) {
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
  const auto font = LookupKeyword(FontTable, word);
  if (!font) return Fail(run, "ERROR: %s - unknown font name", commandName);
  target.font = *font;
  run.settings.FontUsed[FontIndex(target.font)] = true;

  p = ParseColor(p, target.fillColor);

  p = ReadToken(p, word, 40);
  if (p == nullptr) {
    return word == TooLongMarker ? Fail(run, "ERROR: %s - text style too long", commandName)
                                 : Fail(run, "ERROR: %s - no text style", commandName);
  }
  const auto textStyle = LookupKeyword(TextStyleTable, word);
  if (!textStyle) return Fail(run, "ERROR: %s - unknown text style", commandName);
  target.textStyle = *textStyle;

  if (target.textStyle == TextStyle::kStroke) p = ParseColor(p, target.strokeColor);
  return p;
}

}  // namespace corvane
