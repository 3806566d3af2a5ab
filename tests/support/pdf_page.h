// A real libharu document with one page and every standard font loaded, for tests that
// call a drawing operation directly and then read what it put on the page.
#pragma once

#include <hpdf.h>

#include <string>
#include <vector>

#include "app/run.h"
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
  Canvas CanvasFor(const Run& run) const { return Canvas{page, fonts, run.settings, run.data, run.scale}; }

  // The page's content stream as written so far, and its operators.
  std::string Content() const;
  std::vector<PdfOp> Ops() const { return ParseContent(Content()); }

  HPDF_Doc doc;
  HPDF_Page page;
  LoadedFonts fonts{};
};

}  // namespace corvane::testing
