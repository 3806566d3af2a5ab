// The readers of command arguments: integers, reals, colours and font settings (FontSpec). Each
// starts at a position in the command text and returns the position its handler reads on
// from. Range checks belong to the handlers, which know their own messages.
#pragma once

#include <cstdint>
#include <string_view>

#include "model/font_spec.h"
#include "model/rgb_color.h"

namespace corvane {

struct CommandContext;

// The value of the decimal digits at p, which it moves past. A value above limit reads as
// limit + 1, which a test against limit refuses, however many digits follow; limit must be
// below a tenth of the largest 64-bit integer.
std::int64_t ReadDigits(const char*& p, std::int64_t limit);

// A real number as commands and data items write it: up to 15 characters of digits, '.' and,
// unless signs is false, '+' and '-', which p moves past. They must form one decimal number as
// a whole: false, leaving value as it was, when they do not (such as "1.2.3" or "1-2"); none
// at all read as 0.0. decimal tells whether they held a point.
bool ReadReal(const char*& p, double& value, bool& decimal, bool signs = true);

// Never fails: a missing integer reads as 0 and a malformed one as -1 (the returned
// position is then the offending character). Numbers too large for 32 bits read as a value
// no range accepts.
const char* ParseInteger(const char* pos, int& target);

// Up to 15 characters of digits, '.', '+' and '-', followed by a blank or the end, that form
// one decimal number as a whole. Returns null when the text there is not a number (such as
// "1.2.3" or "1-2"); an absent number reads as 0.0.
const char* ParseReal(const char* pos, double& target);

// "#RRGGBB", or three numbers each on the 0..255 scale, or on the 0.0..1.0 scale when it
// holds a point. Never fails: an unreadable colour (a number such as "0.5.5" included) leaves
// the target unchanged.
const char* ParseColor(const char* pos, RgbColor& target);

// No colour at all: a target preset to it fails IsValidColor unless a colour was read into it.
inline constexpr RgbColor kColorNotSet{-1.0f, -1.0f, -1.0f};

// Size, font name, fill colour, text style and, for Stroke, a stroke colour. Logs the
// failure with the command's name and returns null; fields read before it keep their values.
const char* ParseFontSpec(CommandContext& run, const char* commandName, FontSpec& target, const char* pos);

}  // namespace corvane
