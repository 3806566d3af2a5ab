// Colour comparison and interpolation.
#pragma once

#include "model/rgb_color.h"

namespace corvane {

// Exact equality of all three components.
bool SameColor(const RgbColor& a, const RgbColor& b);

// The colour at position between start (from) and end (to), extrapolating outside them.
// With start equal to end there is no range to interpolate over: the result is from.
RgbColor GradientColor(const RgbColor& from, const RgbColor& to, double start, double end, double position);

}  // namespace corvane
