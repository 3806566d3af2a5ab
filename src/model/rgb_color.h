// A colour as the PDF library takes it: three single-precision components from 0.0 to 1.0.
#pragma once

namespace corvane {

struct RgbColor {
  float red = 0.0f;
  float green = 0.0f;
  float blue = 0.0f;
};

inline constexpr RgbColor kBlack{0.0f, 0.0f, 0.0f};
inline constexpr RgbColor kWhite{1.0f, 1.0f, 1.0f};

// Every component within 0.0 to 1.0 inclusive.
inline bool IsValidColor(const RgbColor& c) {
  auto ok = [](float v) { return v >= 0.0f && v <= 1.0f; };
  return ok(c.red) && ok(c.green) && ok(c.blue);
}

}  // namespace corvane
