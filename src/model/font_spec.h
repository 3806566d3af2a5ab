// The appearance of one text element: size, font, colours and style. The font is one of the
// 14 standard fonts, or a TrueType font the run named, which then draws in its place.
#pragma once

#include <cstddef>
#include <string>

#include "model/rgb_color.h"

namespace corvane {

// The 14 standard fonts of PDF, in the order of the font table: font number n of the command
// language is the n-th of them.
enum class StandardFont {
  kCourier,
  kCourierBold,
  kCourierBoldOblique,
  kCourierOblique,
  kHelvetica,
  kHelveticaBold,
  kHelveticaBoldOblique,
  kHelveticaOblique,
  kTimesRoman,
  kTimesBold,
  kTimesItalic,
  kTimesBoldItalic,
  kSymbol,
  kZapfDingbats,
};

inline constexpr int kFontCount = 14;

// The font's place in the table, 0 to 13.
constexpr std::size_t FontIndex(StandardFont font) { return static_cast<std::size_t>(font); }

// The font's PostScript name, which is also the name the commands take.
inline constexpr const char* kStandardFontNames[kFontCount] = {
    "Courier",           "Courier-Bold",          "Courier-BoldOblique", "Courier-Oblique",
    "Helvetica",         "Helvetica-Bold",        "Helvetica-BoldOblique", "Helvetica-Oblique",
    "Times-Roman",       "Times-Bold",            "Times-Italic",        "Times-BoldItalic",
    "Symbol",            "ZapfDingbats"};

constexpr const char* StandardFontName(StandardFont font) { return kStandardFontNames[FontIndex(font)]; }

// Normal text is filled; Stroke text is filled and outlined in the stroke colour.
enum class TextStyle { kNormal, kStroke };

// A TrueType font named by -Font NAME FILE, or an installed family named in a font spec.
struct NamedFont {
  std::string name;
  std::string path;
  int index = 0;  // the face in a collection
};

struct FontSpec {
  int size = 0;  // points, 1..300; 0 switches the text element off
  StandardFont font = StandardFont::kTimesRoman;
  RgbColor fillColor = kBlack;
  TextStyle textStyle = TextStyle::kNormal;
  RgbColor strokeColor = kBlack;
  // With font, the font key: when not -1, the named-th of the run's NamedFonts
  // (ChartSettings::Fonts), which draws in place of the standard font.
  int named = -1;
};

inline FontSpec TimesRoman(int size) {
  return FontSpec{size, StandardFont::kTimesRoman, kBlack, TextStyle::kNormal, kBlack};
}

}  // namespace corvane
