#include "commands/value_parsers.h"

#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "commands/command_context.h"
#include "commands/command_reader.h"
#include "commands/handler_support.h"
#include "commands/keyword_tables.h"
#include "platform/compare.h"

namespace corvane {
namespace {

constexpr std::ptrdiff_t kMaxNumberLength = 15;

int HexDigit(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The decimal number that the whole run forms: an optional sign, digits and at most one point.
// False, leaving value as it was, when the run or only a part of it is no such number.
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

// A font given by -Font, a standard font, or an installed family of exactly that name, in that
// order; false when the name is none of them.
bool ReadFontName(CommandContext& run, const std::string& name, FontSpec& target) {
  std::vector<NamedFont>& named = run.settings.Fonts;
  for (std::size_t i = 0; i < named.size(); ++i) {
    if (EqualsNoCase(named[i].name, name)) {
      target.named = static_cast<int>(i);
      return true;
    }
  }
  if (const auto font = LookupKeyword(FontTable, name)) {
    target.font = *font;
    target.named = -1;
    run.settings.FontUsed[FontIndex(target.font)] = true;
    return true;
  }
  const auto file = run.fonts.finder().FamilyNamed(name);
  int error = 0;
  if (!file || run.fonts.Open(*file, error) == nullptr) return false;
  named.push_back(NamedFont{name, file->path, file->index});
  target.named = static_cast<int>(named.size() - 1);
  return true;
}

}  // namespace

std::int64_t ReadDigits(const char*& p, std::int64_t limit) {
  std::int64_t value = 0;
  for (; IsDigit(*p); ++p) {
    if (value <= limit) value = value * 10 + (*p - '0');
  }
  return value > limit ? limit + 1 : value;
}

bool ReadReal(const char*& p, double& value, bool& decimal, bool signs) {
  const char* start = p;
  auto accepted = [signs](char c) { return IsDigit(c) || c == '.' || (signs && (c == '+' || c == '-')); };
  while (p - start < kMaxNumberLength && accepted(*p)) ++p;
  const std::string_view text(start, static_cast<std::size_t>(p - start));
  decimal = text.find('.') != std::string_view::npos;
  if (text.empty()) {
    value = 0.0;
    return true;
  }
  return ToWholeNumber(text, value);
}

const char* ParseInteger(const char* pos, int& target) {
  const char* p = SkipBlanks(pos);
  const bool negative = *p == '-';
  if (negative) ++p;
  // Anything beyond 32 bits reads as a number far outside every accepted range.
  const std::int64_t value = ReadDigits(p, INT32_MAX - 1);
  if (*p != 0 && *p != ' ') {
    target = -1;
    return p;
  }
  target = static_cast<int>(negative ? -value : value);
  return p;
}

const char* ParseReal(const char* pos, double& target) {
  const char* p = SkipBlanks(pos);
  bool decimal = false;
  double value = 0.0;
  if (!ReadReal(p, value, decimal) || (*p != 0 && !IsBlank(*p))) return nullptr;
  target = value;
  return *p == 0 ? p : p + 1;
}

const char* ParseColor(const char* pos, RgbColor& target) {
  const char* p = SkipBlanks(pos);
  if (*p == '#') return ParseHexColor(p + 1, target);

  double components[3];
  for (int i = 0; i < 3; ++i) {
    bool decimal = false;
    double value = 0.0;  // an empty number (a second blank) reads as 0
    const bool whole = ReadReal(p, value, decimal, false);
    const bool endsWell = IsBlank(*p) || (i == 2 && *p == 0);
    if (!whole || !endsWell) return p;
    if (*p != 0) ++p;
    components[i] = decimal ? value : value / 255.0;
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
  if (!ReadFontName(run, word, target)) return Fail(run, "ERROR: %s - unknown font name", commandName);

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
