#include "fonts/font_face.h"

#include "fonts/font_api.h"

#include FT_TRUETYPE_TAGS_H

#include <cerrno>
#include <cmath>
#include <cstdio>

#include "platform/encoding.h"

namespace corvane {
namespace {

int Thousandths(long units, int unitsPerEm) {
  return static_cast<int>(std::lround(static_cast<double>(units) * 1000 / unitsPerEm));
}

}  // namespace

std::unique_ptr<FontFace> FontFace::Open(const FontApi& api, FT_LibraryRec_* library, const FontFile& file,
                                         int& error) {
  // FreeType's own errors do not tell a missing file from a damaged one; the system does.
  std::FILE* probe = std::fopen(file.path.c_str(), "rb");
  if (probe == nullptr) {
    error = errno;
    return nullptr;
  }
  std::fclose(probe);
  error = 0;
  FT_Face face = nullptr;
  if (api.FT_New_Face(library, file.path.c_str(), file.index, &face) != 0) return nullptr;
  FT_ULong length = 0;
  const bool outlines = FT_IS_SFNT(face) && api.FT_Load_Sfnt_Table(face, TTAG_glyf, 0, nullptr, &length) == 0;
  if (!outlines || face->units_per_EM == 0) {
    api.FT_Done_Face(face);
    return nullptr;
  }
  return std::unique_ptr<FontFace>(new FontFace(api, face, file));
}

FontFace::FontFace(const FontApi& api, FT_FaceRec_* face, FontFile file)
    : api_(api), face_(face), file_(std::move(file)) {
  unitsPerEm_ = face->units_per_EM;
  if (const char* name = api.FT_Get_Postscript_Name(face)) postScriptName_ = name;
  if (postScriptName_.empty()) postScriptName_ = "Font";
  ascent_ = Thousandths(face->ascender, unitsPerEm_);
  descent_ = Thousandths(face->descender, unitsPerEm_);
  box_[0] = Thousandths(face->bbox.xMin, unitsPerEm_);
  box_[1] = Thousandths(face->bbox.yMin, unitsPerEm_);
  box_[2] = Thousandths(face->bbox.xMax, unitsPerEm_);
  box_[3] = Thousandths(face->bbox.yMax, unitsPerEm_);
  capHeight_ = ascent_;
  if (const auto* os2 = static_cast<const TT_OS2*>(api.FT_Get_Sfnt_Table(face, FT_SFNT_OS2))) {
    if (os2->version >= 2 && os2->sCapHeight > 0) capHeight_ = Thousandths(os2->sCapHeight, unitsPerEm_);
  }
  if (const auto* post = static_cast<const TT_Postscript*>(api.FT_Get_Sfnt_Table(face, FT_SFNT_POST))) {
    italicAngle_ = static_cast<int>(post->italicAngle / 65536);
  }
  fixedPitch_ = FT_IS_FIXED_WIDTH(face);
  // Restricted-licence embedding, or bitmaps only, forbid it; so does a ban on subsetting,
  // since a document embeds only the glyphs it uses.
  const FT_UShort fsType = api.FT_Get_FSType_Flags(face);
  embeddable_ = (fsType & (FT_FSTYPE_RESTRICTED_LICENSE_EMBEDDING | FT_FSTYPE_BITMAP_EMBEDDING_ONLY |
                           FT_FSTYPE_NO_SUBSETTING)) == 0;
}

FontFace::~FontFace() { api_.FT_Done_Face(face_); }

unsigned FontFace::GlyphFor(char32_t codePoint) const { return api_.FT_Get_Char_Index(face_, codePoint); }

int FontFace::Advance(unsigned glyph) const {
  const auto known = advances_.find(glyph);
  if (known != advances_.end()) return known->second;
  FT_Fixed advance = 0;
  api_.FT_Get_Advance(face_, glyph, FT_LOAD_NO_SCALE, &advance);
  const int width = Thousandths(advance, unitsPerEm_);
  advances_.emplace(glyph, width);
  return width;
}

double FontFace::Width(std::string_view text, double size) const {
  long units = 0;
  for (std::size_t i = 0; i < text.size();) units += Advance(GlyphFor(NextCodePoint(text, i)));
  return static_cast<double>(units) * static_cast<float>(size) / 1000;
}

}  // namespace corvane
