// The floor for the typical bar chart: the libharu calls that its page needs and nothing
// else, with the page's own coordinates and colours written in. What Corvane spends beyond
// this program is the cost of its own code.
// Usage: corvane_baseline FILE.pdf
#include <hpdf.h>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FILE.pdf\n", argv[0]);
    return 2;
  }
  HPDF_Doc doc = HPDF_New(nullptr, nullptr);
  if (doc == nullptr) return 1;
  HPDF_SetCompressionMode(doc, HPDF_COMP_ALL);
  HPDF_Font font = HPDF_GetFont(doc, "Times-Roman", "WinAnsiEncoding");
  HPDF_SetInfoAttr(doc, HPDF_INFO_PRODUCER, "Corvane by Tessaly (https://www.tessaly.example/corvane)");
  HPDF_SetInfoAttr(doc, HPDF_INFO_TITLE, "Sales");

  HPDF_Page page = HPDF_AddPage(doc);
  HPDF_Page_SetWidth(page, 800);
  HPDF_Page_SetHeight(page, 600);

  // The title, 18-point Times-Roman in black at the top left.
  HPDF_Page_SetFontAndSize(page, font, 18);
  HPDF_Page_SetTextRenderingMode(page, HPDF_FILL);
  HPDF_Page_SetRGBFill(page, 0, 0, 0);
  HPDF_Page_BeginText(page);
  HPDF_Page_SetTextMatrix(page, 1, 0, 0, 1, 2.25f, 579.89398f);
  HPDF_Page_ShowText(page, "Sales");
  HPDF_Page_EndText(page);

  // The two bars, each in its colour between the pair's two ends.
  HPDF_Page_SetRGBFill(page, 0.6f, 0.8f, 1);
  HPDF_Page_Rectangle(page, 4, 3, 387, 568);
  HPDF_Page_Fill(page);
  HPDF_Page_SetRGBFill(page, 0.23636f, 0.43636f, 0.81818f);
  HPDF_Page_Rectangle(page, 409, 3, 387, 51.63636f);
  HPDF_Page_Fill(page);

  const HPDF_STATUS saved = HPDF_SaveToFile(doc, argv[1]);
  const bool failed = saved != HPDF_OK || HPDF_GetError(doc) != HPDF_OK;
  HPDF_Free(doc);
  if (failed) std::fprintf(stderr, "could not write %s\n", argv[1]);
  return failed ? 1 : 0;
}
