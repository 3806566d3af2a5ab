// The standard fonts measured exactly as a PDF page measures them: libharu's widths, ascent
// and descent, in single precision where the page has them so. Surfaces that draw the fonts
// from other files (cairo's PNG and SVG) lay out with these, so that every position on their
// page is the one the PDF has. The fonts live in a libharu document that is never saved.
#pragma once

#include <memory>

#include "model/font_spec.h"
#include "render/surface.h"

namespace corvane {

class StandardFontMetrics {
 public:
  StandardFontMetrics();
  ~StandardFontMetrics();
  StandardFontMetrics(const StandardFontMetrics&) = delete;
  StandardFontMetrics& operator=(const StandardFontMetrics&) = delete;

  // The font's metrics, loaded on first asking.
  const Font& For(StandardFont font);

 private:
  struct Document;
  std::unique_ptr<Document> document_;
};

}  // namespace corvane
