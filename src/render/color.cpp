#include "render/color.h"

namespace corvane {

bool SameColor(const RgbColor& a, const RgbColor& b) {
  return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

RgbColor GradientColor(const RgbColor& from, const RgbColor& to, double start, double end, double position) {
  const float p = static_cast<float>(position - start);
  const float q = static_cast<float>(end - start);
  if (q == 0.0f) return from;
  return RgbColor{from.red + (to.red - from.red) * p / q, from.green + (to.green - from.green) * p / q,
                  from.blue + (to.blue - from.blue) * p / q};
}

}  // namespace corvane
