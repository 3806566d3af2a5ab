#include "commands/dataset_fields.h"

#include <algorithm>

#include "commands/command_reader.h"
#include "commands/data_values.h"

namespace corvane {
namespace {

bool IsBlankOnly(std::string_view text) { return std::all_of(text.begin(), text.end(), IsBlank); }

// Blanks from pos on that are not the separator.
std::size_t SkipBlanksBefore(std::string_view line, std::size_t pos, std::string_view separator) {
  while (pos < line.size() && IsBlank(line[pos]) && !line.substr(pos).starts_with(separator)) ++pos;
  return pos;
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// The text of the quoted field whose opening quote is at line[start], a doubled quote read as
// one; end is set after the closing quote. None without a closing quote.
std::optional<std::string> Unquote(std::string_view line, std::size_t start, std::size_t& end) {
  std::string text;
  for (std::size_t from = start + 1;;) {
    const std::size_t quote = line.find('"', from);
    if (quote == std::string_view::npos) return std::nullopt;
    text.append(line.substr(from, quote - from));
    if (quote + 1 < line.size() && line[quote + 1] == '"') {
      text += '"';
      from = quote + 2;
    } else {
      end = quote + 1;
      return text;
    }
  }
}

}  // namespace

std::string_view FieldSeparator(std::string_view separator) {
  const std::string_view core = Trimmed(separator);
  return core.empty() ? separator : core;
}

std::string_view ValueSeparator(std::string_view separator) {
  const std::string_view core = FieldSeparator(separator);
  const bool holdsValueCharacter = core.find_first_of("0123456789.+-:") != std::string_view::npos;
  return holdsValueCharacter || IsBlankOnly(core) ? std::string_view() : core;
}

std::vector<std::string> SplitFields(std::string_view line, std::string_view separator) {
  const std::string_view split = FieldSeparator(separator);
  std::vector<std::string> fields;
  std::size_t pos = 0;
  for (;;) {
    const std::size_t start = SkipBlanksBefore(line, pos, split);
    std::size_t end = 0;
    if (start < line.size() && line[start] == '"') {
      if (std::optional<std::string> text = Unquote(line, start, end)) {
        const std::size_t after = SkipBlanksBefore(line, end, split);
        if (after == line.size() || line.substr(after).starts_with(split)) {
          fields.push_back(std::move(*text));
          if (after == line.size()) return fields;
          pos = after + split.size();
          continue;
        }
      }
    }
    const std::size_t next = line.find(split, pos);
    fields.emplace_back(Trimmed(line.substr(pos, next == std::string_view::npos ? next : next - pos)));
    if (next == std::string_view::npos) return fields;
    pos = next + split.size();
  }
}

std::optional<QuotedLabel> ReadQuotedLabel(std::string_view line, std::string_view separator) {
  if (!line.starts_with('"')) return std::nullopt;
  std::size_t end = 0;
  std::optional<std::string> text = Unquote(line, 0, end);
  if (!text) return std::nullopt;
  const std::string_view split = FieldSeparator(separator);
  const std::size_t after = SkipBlanksBefore(line, end, split);
  if (!line.substr(after).starts_with(split)) return std::nullopt;
  return QuotedLabel{std::move(*text), after + split.size()};
}

bool ReadsAsValue(const std::string& field) {
  const char* p = field.c_str();
  double value = 0.0;
  bool decimal = false;
  if (ReadNumber(p, value, decimal) == ValueError::kNone) return true;
  DataTable scratch;  // a time value's fraction would mark the run's table
  p = field.c_str();
  return ReadTimeValue(scratch, p, value) == ValueError::kNone;
}

bool HoldsLetter(std::string_view field) {
  return std::any_of(field.begin(), field.end(), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || static_cast<unsigned char>(c) >= 0x80;
  });
}

}  // namespace corvane
