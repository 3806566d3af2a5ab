// The appearance of one text element: size, one of the 14 standard fonts, colours and style.
#pragma once

#include "model/rgb_color.h"

namespace corvane {

inline constexpr int kFontTimesRoman = 9;
inline constexpr int kTextStyleNormal = 1;
inline constexpr int kTextStyleStroke = 2;

struct FontSpec {
  int size = 0;  // points, 1..300; 0 switches the text element off
  int font = kFontTimesRoman;  // 1..14, the row of the font table
  RgbColor fillColor = kBlack;
  int textStyle = kTextStyleNormal;  // 1 Normal, 2 Stroke
  RgbColor strokeColor = kBlack;
};

inline FontSpec TimesRoman(int size) {
  return FontSpec{size, kFontTimesRoman, kBlack, kTextStyleNormal, kBlack};
}

}  // namespace corvane
