// The readers of command arguments: integers, reals, colours and font specs. Each
// starts at a position in the command text and returns the position its handler reads on
// from. Range checks belong to the handlers, which know their own messages.
#pragma once

#include <string_view>

#include "model/font_spec.h"
#include "model/rgb_color.h"

namespace corvane {

struct Run;

// Never fails: a missing integer reads as 0 and a malformed one as -1 (the returned
// position is then the offending character). Numbers too large for 32 bits read as a value
// no range accepts.
const char* ParseInteger(const char* pos, int& target);

// Up to 15 characters of digits, '.', '+' and '-', followed by a blank or the end, that form
// one decimal number as a whole. Returns null when the text there is not a number (such as
// "1.2.3" or "1-2"); an absent number reads as 0.0.
const char* ParseReal(const char* pos, double& target);

// The decimal number that the whole run forms: an optional sign, digits and at most one
// point. False, leaving value as it was, when the run or only a part of it is no such number.
bool ToWholeNumber(std::string_view run, double& value);

// "#RRGGBB", or three numbers each on the 0..255 scale, or on the 0.0..1.0 scale when it
// holds a point. Never fails: an unreadable colour (a number such as "0.5.5" included) leaves
// the target unchanged.
const char* ParseColor(const char* pos, RgbColor& target);

// Size, font name, fill colour, text style and, for Stroke, a stroke colour. Logs the
// failure with the command's name and returns null; fields read before it keep their values.
const char* ParseFontSpec(Run& run, const char* commandName, FontSpec& target, const char* pos);

}  // namespace corvane
