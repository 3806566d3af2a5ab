#include "commands/handler_support.h"

#include <cstdarg>

#include "commands/command_context.h"
#include "commands/command_reader.h"
#include "commands/value_parsers.h"
#include "platform/compare.h"
#include "platform/format.h"

namespace corvane {

const char* Fail(CommandContext& run, const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  const std::string message = FormatText(format, args);
  va_end(args);
  run.log.LogMessage("%s", message.c_str());
  return nullptr;
}

const char* ReadTokenOrFail(CommandContext& run, const char* pos, std::string& token, std::size_t maxLength,
                            const char* missingMessage, const char* tooLongMessage) {
  const char* next = ReadToken(pos, token, maxLength);
  if (next == nullptr) {
    return Fail(run, "%s", token == TooLongMarker ? tooLongMessage : missingMessage);
  }
  return next;
}

const char* ReadTokenOrFail(CommandContext& run, const char* command, const char* pos, std::string& token,
                            std::size_t maxLength, const char* missingFormat, const char* tooLongFormat) {
  const char* next = ReadToken(pos, token, maxLength);
  if (next == nullptr) return Fail(run, token == TooLongMarker ? tooLongFormat : missingFormat, command);
  return next;
}

const char* ReadIntegerOrFail(CommandContext& run, const char* pos, int& target, int low, int high,
                              const char* outOfRangeMessage) {
  const char* next = ParseInteger(pos, target);
  if (target < low || target > high) return Fail(run, "%s", outOfRangeMessage);
  return next;
}

const char* ReadIntegerOrFail(CommandContext& run, const char* pos, std::optional<int>& target, int low, int high,
                              const char* outOfRangeMessage) {
  int value = 0;
  const char* next = ReadIntegerOrFail(run, pos, value, low, high, outOfRangeMessage);
  if (next != nullptr) target = value;
  return next;
}

const char* ReadAutoWord(const char* pos) {
  std::string word;
  const char* next = ReadToken(pos, word, 4);
  return next != nullptr && EqualsNoCase(word, "Auto") ? next : nullptr;
}

}  // namespace corvane
