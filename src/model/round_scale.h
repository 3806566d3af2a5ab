// The round scale of AxesScale Nice: the axis runs from a multiple of a round step to a
// multiple of it, the step being the smallest round one that covers the data in at most the
// divisions asked for. Round steps are 1, 2, 2.5 and 5 times a power of ten, or, for time
// data (milliseconds), the clock's own: 1, 2, 5, 10, 15 and 30 seconds and minutes, 1, 2, 3,
// 6 and 12 hours, and whole days.
#pragma once

#include "model/scale_range.h"

namespace corvane {

// The round scale over lo..hi (lo < hi, both finite) in at most `divisions` steps; data on both
// sides of 0 take at least two, one on each side. The result's divisions is the number of
// steps used and its decimals those the step needs (none for time).
ScaleRange RoundScale(double lo, double hi, int divisions, bool time);

}  // namespace corvane
