#include "commands/command_reader.h"

#include <algorithm>

#include "commands/command_context.h"
#include "commands/command_table.h"

namespace corvane {
namespace {

struct TokenResult {
  const char* next;  // where reading may go on
  bool quoted;
};

TokenResult CopyToken(const char* pos, std::string& buffer, std::size_t maxLength, bool& tooLong) {
  const char* p = SkipBlanks(pos);
  const bool quoted = *p == '"';
  if (quoted) ++p;
  buffer.clear();
  tooLong = false;
  std::size_t characters = 0;
  while (*p != 0 && (quoted ? *p != '"' : *p != ' ')) {
    // A character is its first byte and the continuation bytes (10xxxxxx) after it.
    const bool starts = (static_cast<unsigned char>(*p) & 0xC0) != 0x80;
    if (starts && characters++ == maxLength) {
      tooLong = true;
      buffer.assign(1, TooLongMarker[0]);
      return {nullptr, quoted};
    }
    buffer += *p++;
  }
  if (quoted && *p == '"') ++p;
  return {p, quoted};
}

}  // namespace

const char* ReadToken(const char* pos, std::string& buffer, std::size_t maxLength) {
  bool tooLong;
  const TokenResult token = CopyToken(pos, buffer, maxLength, tooLong);
  if (tooLong || buffer.empty()) return nullptr;
  return token.next;
}

const char* ReadLabel(const char* pos, std::string& buffer) {
  bool tooLong;
  const TokenResult token = CopyToken(pos, buffer, 100, tooLong);
  if (tooLong || (buffer.empty() && !token.quoted)) return nullptr;
  return token.next;
}

int ProcessCommands(CommandContext& run, char* text, std::span<const std::size_t> argumentStarts) {
  char* p = text;
  for (;;) {
    while (IsBlank(*p)) ++p;
    if ((*p == ';' || *p == '-') && !argumentStarts.empty()) {
      const auto at = static_cast<std::size_t>(p - text);
      const auto after = std::upper_bound(argumentStarts.begin(), argumentStarts.end(), at);
      if (after[-1] != at) {
        run.log.LogMessage("ERROR: Argument %d holds a command or comment after its value",
                           static_cast<int>(after - argumentStarts.begin()));
        return 1;
      }
    }
    if (*p == ';' || *p == 0) return 0;
    if (*p != '-') {
      run.log.LogMessage("ERROR: No command character [%.200s]", p);
      return 1;
    }
    char* word = p + 1;
    char* end = word;
    while (*end != 0 && !IsBlank(*end)) ++end;
    char* args = end;
    if (*end != 0) {
      *end = 0;
      args = end + 1;
    }
    const CommandHandler handler = FindCommand(word);
    if (handler == nullptr) {
      run.log.LogMessage("ERROR: Unknown command [%.200s]", word);
      return 1;
    }
    const char* next = handler(run, args);
    if (next == nullptr) return 1;
    // Handlers never write to the text; the position is only ever inside it.
    p = text + (next - text);
  }
}

}  // namespace corvane
