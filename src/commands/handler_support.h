// Small pieces every command handler uses: failing with a message, and reading a token
// whose absence and excess length each have their own message.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "platform/log.h"

namespace corvane {

struct CommandContext;

// File names are read as tokens of at most this many characters.
inline constexpr std::size_t kMaxFileNameLength = 260;

// Logs the message and returns null, so a handler can end with `return Fail(run, ...)`.
const char* Fail(CommandContext& run, const char* format, ...) CORVANE_PRINTF(2, 3);

// Reads a token of at most maxLength characters. When it is missing or too long, logs the
// matching message and returns null.
const char* ReadTokenOrFail(CommandContext& run, const char* pos, std::string& token, std::size_t maxLength,
                            const char* missingMessage, const char* tooLongMessage);

// ReadTokenOrFail for a reader that serves several commands: the messages are formats that
// take the command's name.
const char* ReadTokenOrFail(CommandContext& run, const char* command, const char* pos, std::string& token,
                            std::size_t maxLength, const char* missingFormat, const char* tooLongFormat);

// Reads an integer straight into target, then tests it against low..high inclusive and logs
// the message when it is outside. A missing integer reads as 0 and a malformed one as -1, so
// the range test is what reports them.
const char* ReadIntegerOrFail(CommandContext& run, const char* pos, int& target, int low, int high,
                              const char* outOfRangeMessage);

// The same for a setting that has no value until its command gives one: it gets the integer
// only when it is in range.
const char* ReadIntegerOrFail(CommandContext& run, const char* pos, std::optional<int>& target, int low, int high,
                              const char* outOfRangeMessage);

// The word Auto, in any letter case, at pos: the position after it, or null when another
// value, or none, stands there. Reports nothing, so the handler can read the value instead.
const char* ReadAutoWord(const char* pos);

}  // namespace corvane
