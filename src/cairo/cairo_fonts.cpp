#include "cairo/cairo_fonts.h"

#include <cairo-ft.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_MODULE_H

#include <cmath>
#include <cstdlib>

#include "platform/compare.h"
#include "platform/encoding.h"

namespace corvane {
namespace {

// The free font drawn for each standard font, in table order.
struct Equivalent {
  const char* family;
  bool bold;
  bool italic;
};

constexpr Equivalent kEquivalents[kFontCount] = {
    {"Nimbus Mono PS", false, false}, {"Nimbus Mono PS", true, false},
    {"Nimbus Mono PS", true, true},   {"Nimbus Mono PS", false, true},
    {"Nimbus Sans", false, false},    {"Nimbus Sans", true, false},
    {"Nimbus Sans", true, true},      {"Nimbus Sans", false, true},
    {"Nimbus Roman", false, false},   {"Nimbus Roman", true, false},
    {"Nimbus Roman", false, true},    {"Nimbus Roman", true, true},
    {"Standard Symbols PS", false, false}, {"D050000L", false, false},
};

// Symbol and ZapfDingbats take their bytes in their own encodings, not in Windows-1252.
bool IsSymbolic(StandardFont font) { return font == StandardFont::kSymbol || font == StandardFont::kZapfDingbats; }

// FreeType's memory, from the C heap. A library made with it is reference-counted, so that a
// face cairo still holds in its font cache keeps its library alive after the run is done.
void* Allocate(FT_Memory, long size) { return std::malloc(static_cast<std::size_t>(size)); }
void Free(FT_Memory, void* block) { std::free(block); }
void* Reallocate(FT_Memory, long, long size, void* block) {
  return std::realloc(block, static_cast<std::size_t>(size));
}
FT_MemoryRec_ kHeap{nullptr, Allocate, Free, Reallocate};

// Each face holds a reference to its library; cairo releases both when it drops the face.
const cairo_user_data_key_t kFaceKey{};
void ReleaseFace(void* data) {
  const auto face = static_cast<FT_Face>(data);
  FT_Library library = face->glyph->library;
  FT_Done_Face(face);
  FT_Done_Library(library);
}

// The character a Windows-1252 byte stands for.
char32_t CodePointOf(unsigned char byte) {
  const std::string utf8 = Windows1252ToUtf8(std::string(1, static_cast<char>(byte)));
  const auto b = [&](std::size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(utf8[i])); };
  if (utf8.size() == 1) return b(0);
  if (utf8.size() == 2) return (b(0) & 0x1F) << 6 | (b(1) & 0x3F);
  return (b(0) & 0x0F) << 12 | (b(1) & 0x3F) << 6 | (b(2) & 0x3F);
}

// A standard font: its text is bytes, each placed by the PDF's width of it.
class StandardCairoFont final : public CairoFont {
 public:
  StandardCairoFont(const Font& metrics, cairo_font_face_t* face) : metrics_(metrics), face_(face) {
    for (int b = 1; b < 256; ++b) {
      advances_[b] = static_cast<int>(std::lround(metrics.Width(std::string(1, static_cast<char>(b)), 1000)));
    }
  }
  ~StandardCairoFont() override {
    if (face_ != nullptr) cairo_font_face_destroy(face_);
  }
  StandardCairoFont(const StandardCairoFont&) = delete;
  StandardCairoFont& operator=(const StandardCairoFont&) = delete;

  double Ascent(double size) const override { return metrics_.Ascent(size); }
  double Descent(double size) const override { return metrics_.Descent(size); }
  double Width(std::string_view text, double size) const override { return metrics_.Width(text, size); }

  cairo_font_face_t* face() const override { return face_; }

  // The text's characters all exist in Windows-1252 (render/text_fonts.h sees to it).
  void Glyphs(std::string_view text, double size, std::vector<PlacedGlyph>& glyphs) const override {
    glyphs.clear();
    long thousandths = 0;
    for (const char c : ToWindows1252(text)) {
      const auto b = static_cast<unsigned char>(c);
      if (glyphs_[b] != 0) glyphs.push_back({glyphs_[b], static_cast<double>(thousandths) * size / 1000});
      thousandths += advances_[b];
    }
  }

  // The glyph of each byte in the face: for Symbol and ZapfDingbats through the font's own
  // encoding or, where that has none, at the byte's own number or U+F000 on, where symbol fonts
  // with Unicode tables keep their characters; for the others through Unicode. 0 where the face
  // has none.
  void MapGlyphs(FT_Face face, bool symbolic) {
    if (symbolic && FT_Select_Charmap(face, FT_ENCODING_ADOBE_CUSTOM) == 0) {
      for (int b = 1; b < 256; ++b) glyphs_[b] = FT_Get_Char_Index(face, static_cast<FT_ULong>(b));
    }
    if (FT_Select_Charmap(face, FT_ENCODING_UNICODE) != 0) return;
    for (int b = 1; b < 256; ++b) {
      if (glyphs_[b] != 0) continue;
      const FT_ULong code = symbolic ? static_cast<FT_ULong>(b) : CodePointOf(static_cast<unsigned char>(b));
      glyphs_[b] = FT_Get_Char_Index(face, code);
      if (glyphs_[b] == 0 && symbolic) glyphs_[b] = FT_Get_Char_Index(face, 0xF000 + code);
    }
  }

 private:
  const Font& metrics_;
  cairo_font_face_t* face_;
  std::array<int, 256> advances_{};  // in thousandths of the size
  std::array<unsigned long, 256> glyphs_{};
};

// A TrueType face, drawn from its file and measured, like the PDF's, by its own advances.
class TrueTypeCairoFont final : public CairoFont {
 public:
  TrueTypeCairoFont(const FontFace& font, cairo_font_face_t* face) : font_(font), face_(face) {}
  ~TrueTypeCairoFont() override {
    if (face_ != nullptr) cairo_font_face_destroy(face_);
  }
  TrueTypeCairoFont(const TrueTypeCairoFont&) = delete;
  TrueTypeCairoFont& operator=(const TrueTypeCairoFont&) = delete;

  double Ascent(double size) const override { return static_cast<double>(font_.ascent()) * static_cast<float>(size) / 1000; }
  double Descent(double size) const override {
    return -static_cast<double>(font_.descent()) * static_cast<float>(size) / 1000;
  }
  double Width(std::string_view text, double size) const override { return font_.Width(text, size); }

  cairo_font_face_t* face() const override { return face_; }

  // Every character, one it lacks as the missing-glyph box.
  void Glyphs(std::string_view text, double size, std::vector<PlacedGlyph>& glyphs) const override {
    glyphs.clear();
    long thousandths = 0;
    for (std::size_t i = 0; i < text.size();) {
      const unsigned glyph = font_.GlyphFor(NextCodePoint(text, i));
      glyphs.push_back({glyph, static_cast<double>(thousandths) * static_cast<float>(size) / 1000});
      thousandths += font_.Advance(glyph);
    }
  }

 private:
  const FontFace& font_;
  cairo_font_face_t* face_;
};

// Whether the font fontconfig matched belongs to the family asked for.
bool HasFamily(FcPattern* match, const char* family) {
  FcChar8* name = nullptr;
  for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
    if (EqualsNoCase(reinterpret_cast<const char*>(name), family)) return true;
  }
  return false;
}

// The font fontconfig offers for the equivalent; none without a configuration.
FcPattern* Match(FcConfig* config, const Equivalent& equivalent) {
  if (config == nullptr) return nullptr;
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(equivalent.family));
  FcPatternAddInteger(pattern, FC_WEIGHT, equivalent.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, equivalent.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcConfigSubstitute(config, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result;
  FcPattern* match = FcFontMatch(config, pattern, &result);
  FcPatternDestroy(pattern);
  return match;
}

}  // namespace

CairoFonts::CairoFonts(StandardFontMetrics& metrics, Log& log) : metrics_(metrics), log_(log) {}

CairoFonts::~CairoFonts() {
  for (auto& font : standard_) font.reset();
  if (freeType_ != nullptr) FT_Done_Library(freeType_);
  if (quickConfig_ != nullptr) FcConfigDestroy(quickConfig_);
  if (systemConfig_ != nullptr) FcConfigDestroy(systemConfig_);
}

// The font directories fontconfig's own configuration names, with the caches fc-cache keeps
// for them, read without the system's rule files: parsing those takes ten times as long as
// drawing a chart, and the exact families looked for here need none of their rules.
constexpr char kQuickConfig[] =
    "<fontconfig><dir>/usr/share/fonts</dir><dir>/usr/local/share/fonts</dir>"
    "<dir prefix=\"xdg\">fonts</dir><dir>~/.fonts</dir>"
    "<cachedir>/var/cache/fontconfig</cachedir><cachedir prefix=\"xdg\">fontconfig</cachedir></fontconfig>";

FcConfig* CairoFonts::QuickConfig() {
  if (quickConfig_ == nullptr) {
    quickConfig_ = FcConfigCreate();
    if (quickConfig_ != nullptr &&
        (!FcConfigParseAndLoadFromMemory(quickConfig_, reinterpret_cast<const FcChar8*>(kQuickConfig), FcFalse) ||
         !FcConfigBuildFonts(quickConfig_))) {
      FcConfigDestroy(quickConfig_);
      quickConfig_ = nullptr;
    }
  }
  return quickConfig_;
}

FcConfig* CairoFonts::SystemConfig() {
  if (systemConfig_ == nullptr) systemConfig_ = FcInitLoadConfigAndFonts();
  return systemConfig_;
}

FT_Library CairoFonts::FreeType() {
  if (freeType_ == nullptr && FT_New_Library(&kHeap, &freeType_) == 0) FT_Add_Default_Modules(freeType_);
  return freeType_;
}

const CairoFont& CairoFonts::For(StandardFont font) {
  std::unique_ptr<CairoFont>& loaded = standard_[FontIndex(font)];
  if (loaded) return *loaded;

  // The free equivalent where the font directories have it; else whatever the system's
  // configuration offers in its place.
  const Equivalent& equivalent = kEquivalents[FontIndex(font)];
  FcPattern* match = Match(QuickConfig(), equivalent);
  if (match == nullptr || !HasFamily(match, equivalent.family)) {
    if (match != nullptr) FcPatternDestroy(match);
    match = Match(SystemConfig(), equivalent);
  }

  FcChar8* file = nullptr;
  int index = 0;
  FT_Face face = nullptr;
  FT_Library library = FreeType();
  if (match != nullptr && library != nullptr && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
    FcPatternGetInteger(match, FC_INDEX, 0, &index);
    if (FT_New_Face(library, reinterpret_cast<const char*>(file), index, &face) != 0) face = nullptr;
  }

  cairo_font_face_t* cairoFace = nullptr;
  if (face == nullptr) {
    log_.LogMessage("ERROR: Output - no font file to draw %s with", StandardFontName(font));
    missing_ = true;
  } else {
    if (!HasFamily(match, equivalent.family)) {
      FcChar8* family = nullptr;
      FcPatternGetString(match, FC_FAMILY, 0, &family);
      log_.LogMessage("WARNING: no %s installed: %s drawn with %s", equivalent.family, StandardFontName(font),
                      family != nullptr ? reinterpret_cast<const char*>(family) : "another font");
    }
    cairoFace = cairo_ft_font_face_create_for_ft_face(face, 0);
    FT_Reference_Library(library);
    cairo_font_face_set_user_data(cairoFace, &kFaceKey, face, ReleaseFace);
  }
  if (match != nullptr) FcPatternDestroy(match);

  auto standard = std::make_unique<StandardCairoFont>(metrics_.For(font), cairoFace);
  if (face != nullptr) standard->MapGlyphs(face, IsSymbolic(font));
  loaded = std::move(standard);
  return *loaded;
}

const CairoFont& CairoFonts::For(const FontFace& font) {
  for (const auto& [known, loaded] : trueType_) {
    if (known == &font) return *loaded;
  }
  FT_Face face = nullptr;
  FT_Library library = FreeType();
  if (library != nullptr && FT_New_Face(library, font.file().path.c_str(), font.file().index, &face) != 0) {
    face = nullptr;
  }
  cairo_font_face_t* cairoFace = nullptr;
  if (face != nullptr) {
    cairoFace = cairo_ft_font_face_create_for_ft_face(face, 0);
    FT_Reference_Library(library);
    cairo_font_face_set_user_data(cairoFace, &kFaceKey, face, ReleaseFace);
  }
  trueType_.emplace_back(&font, std::make_unique<TrueTypeCairoFont>(font, cairoFace));
  return *trueType_.back().second;
}

}  // namespace corvane
