// The fonts cairo draws text in. A standard font is drawn from its free, metric-compatible
// equivalent (fonts-urw-base35: Nimbus Sans for Helvetica, Nimbus Roman for Times, Nimbus Mono
// PS for Courier, Standard Symbols PS for Symbol, D050000L for ZapfDingbats, bold and italic
// kept), found through fontconfig and read with FreeType; but it is measured, and every glyph
// placed, by the PDF's own metrics, so that a PNG or SVG lays out to the point as the PDF does.
// Nothing is started before a font is asked for: fontconfig and FreeType cost a few
// milliseconds, and the system's full fontconfig configuration far more, so it is read only
// when the font directories lack an equivalent.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fonts/font_face.h"
#include "model/font_spec.h"
#include "pdf/standard_font_metrics.h"
#include "platform/log.h"
#include "render/surface.h"

struct _FcConfig;
struct FT_LibraryRec_;
struct _cairo_font_face;

namespace corvane {

// A glyph of the font, placed along the baseline from the text's origin.
struct PlacedGlyph {
  unsigned long index;
  double x;
};

// A font as cairo draws it, with its metrics.
class CairoFont : public Font {
 public:
  // The font face cairo draws with; none when no font file could be found for it, in which
  // case the text is measured but not drawn.
  virtual _cairo_font_face* face() const = 0;
  // The glyphs of the text at the size, each where the metrics place it.
  virtual void Glyphs(std::string_view text, double size, std::vector<PlacedGlyph>& glyphs) const = 0;
};

class CairoFonts {
 public:
  // The metrics the fonts are measured by; failures to find a font are logged to log.
  CairoFonts(StandardFontMetrics& metrics, Log& log);
  ~CairoFonts();
  CairoFonts(const CairoFonts&) = delete;
  CairoFonts& operator=(const CairoFonts&) = delete;

  // The standard font, found and opened on first asking.
  const CairoFont& For(StandardFont font);
  // A TrueType face, drawn from its file and face index.
  const CairoFont& For(const FontFace& font);

  // Whether some font had no file to draw it from (logged when first asked for).
  bool missing() const { return missing_; }

 private:
  _FcConfig* QuickConfig();
  _FcConfig* SystemConfig();
  FT_LibraryRec_* FreeType();

  StandardFontMetrics& metrics_;
  Log& log_;
  _FcConfig* quickConfig_ = nullptr;
  _FcConfig* systemConfig_ = nullptr;
  FT_LibraryRec_* freeType_ = nullptr;
  std::array<std::unique_ptr<CairoFont>, kFontCount> standard_;
  std::vector<std::pair<const FontFace*, std::unique_ptr<CairoFont>>> trueType_;
  bool missing_ = false;
};

}  // namespace corvane
