// The part of a TrueType font a document needs: only the glyphs it draws (and the parts they
// are built of), each keeping its number, so that a text's glyph numbers select the same
// glyphs in the subset. Made here rather than with HarfBuzz's subsetter, whose loading alone
// (with GLib) took more memory than a chart of Greek text may use in all.
#pragma once

#include <set>
#include <string>

#include "fonts/font_face.h"

namespace corvane {

// The subset as a TrueType font file; empty when it could not be made.
std::string SubsetFont(const FontFace& face, const std::set<unsigned>& glyphs);

}  // namespace corvane
