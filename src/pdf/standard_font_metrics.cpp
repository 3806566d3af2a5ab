#include "pdf/standard_font_metrics.h"

#include "pdf/pdf_surface.h"

namespace corvane {

// Loading a standard font cannot fail but for memory, and a font libharu could not load
// measures as nothing: without an error handler the library only records the error.
struct StandardFontMetrics::Document {
  Document() : doc(HPDF_New(nullptr, nullptr)), fonts(doc) {}
  ~Document() { HPDF_Free(doc); }

  HPDF_Doc doc;
  PdfFonts fonts;
};

StandardFontMetrics::StandardFontMetrics() : document_(std::make_unique<Document>()) {}

StandardFontMetrics::~StandardFontMetrics() = default;

const Font& StandardFontMetrics::For(StandardFont font) { return document_->fonts.Load(font); }

}  // namespace corvane
