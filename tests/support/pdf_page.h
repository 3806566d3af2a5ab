// A real libharu document with one page and every standard font loaded, and the PDF surface
// on it, for tests that draw directly and then read what was put on the page.
#pragma once

#include <hpdf.h>

#include <memory>
#include <string>
#include <vector>

#include "app/run.h"
#include "pdf/pdf_surface.h"
#include "render/canvas.h"
#include "support/pdf_content.h"

namespace corvane::testing {

class PdfPage {
 public:
  explicit PdfPage(float width = 800, float height = 600);
  ~PdfPage();
  PdfPage(const PdfPage&) = delete;
  PdfPage& operator=(const PdfPage&) = delete;

  // A canvas on this page for the run's settings, data and scale.
  Canvas CanvasFor(Run& run) {
    textFonts = std::make_unique<TextFonts>(surface, run.settings, run.fonts, run.log);
    return Canvas{surface, run.settings, run.data, run.scale, run.log, *textFonts};
  }

  // The document as it would be saved, and the page's content stream as written so far, and
  // its operators.
  std::string Bytes() const;
  std::string Content() const { return PageContent(Bytes()); }
  std::vector<PdfOp> Ops() const { return ParseContent(Content()); }

  HPDF_Doc doc;
  PdfFonts fonts{doc};
  HPDF_Page page;
  PdfSurface surface{page, fonts};
  std::unique_ptr<TextFonts> textFonts;
};

}  // namespace corvane::testing
