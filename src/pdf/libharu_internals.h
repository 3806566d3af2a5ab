// What the document needs of libharu that its public interface does not offer: writing
// operators straight into a content stream, making form XObjects, retitling an outline entry,
// information entries in UTF-16, and TrueType fonts of its own embedding.
// Each reaches into libharu's private structures, which may change from one version to the
// next, so libharu_internals.cpp alone uses them, and the build refuses a libharu it was not
// verified against (2.3.x; cmake/libharu_version.cmake).
#pragma once

#include <hpdf.h>

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "pdf/pdf_text_string.h"

namespace corvane {

// Appends bytes to the page's content stream.
void WriteToPage(HPDF_Page page, const char* bytes, std::size_t size);

// A new form XObject of the page holding the content, clipped to the square from -half to
// half on both axes and compressed as the page's content is; returns the name the page's
// resources give it, or null after a library error.
const char* AddForm(HPDF_Page page, float half, const std::string& content);

// Replaces the title of an outline entry, for which the library has no call.
void RetitleOutline(HPDF_Outline entry, const PdfTextString& title);

// Sets an information entry; the library's own call takes no string holding NULs.
void SetInfoText(HPDF_Doc doc, HPDF_InfoType type, const PdfTextString& text);

// A font of the document for a TrueType face: a Type 0 font drawn with two-byte glyph numbers
// (Identity-H), whose descendant, widths, characters and embedded subset FinishTrueTypeFont
// adds once the page is drawn.
HPDF_Dict NewTrueTypeFont(HPDF_Doc doc);

// The name the page's resources give the font, made on first asking.
const char* FontResourceName(HPDF_Page page, HPDF_Dict font);

struct TrueTypeFontData {
  std::string baseFont;  // the PostScript name after a subset tag, "ABCDEF+Name"
  int ascent = 0;        // this and the other measures in thousandths of the size
  int descent = 0;
  int capHeight = 0;
  int box[4] = {0, 0, 0, 0};
  int italicAngle = 0;
  bool fixedPitch = false;
  std::vector<std::pair<unsigned, int>> widths;  // glyph and width, in glyph order
  std::string toUnicode;                         // the CMap from glyphs to characters
  std::string fontFile;                          // the subset, a TrueType font file
};

// An empty font file fails the document.
void FinishTrueTypeFont(HPDF_Doc doc, HPDF_Dict font, const TrueTypeFontData& data);

}  // namespace corvane
