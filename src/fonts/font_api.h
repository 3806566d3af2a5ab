// FreeType and fontconfig, opened when a text first needs them. Linked into the executable,
// loading and relocating them and what they need took as long as a small chart's whole run; a
// run of Windows-1252 text in the standard fonts now loads neither.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H
#include FT_TRUETYPE_TABLES_H
#include <fontconfig/fontconfig.h>

namespace corvane {

#define CORVANE_FREETYPE_FUNCTIONS(X)                                                                          \
  X(FT_Init_FreeType) X(FT_Done_FreeType) X(FT_New_Face) X(FT_Done_Face) X(FT_Load_Sfnt_Table)               \
  X(FT_Get_Postscript_Name) X(FT_Get_Sfnt_Table) X(FT_Get_FSType_Flags) X(FT_Get_Char_Index) X(FT_Get_Advance)
#define CORVANE_FONTCONFIG_FUNCTIONS(X)                                                                        \
  X(FcInitLoadConfigAndFonts) X(FcConfigDestroy) X(FcPatternCreate) X(FcPatternAddString)                     \
  X(FcPatternAddInteger) X(FcConfigSubstitute) X(FcDefaultSubstitute) X(FcFontSort) X(FcFontMatch)            \
  X(FcPatternDestroy) X(FcFontSetDestroy) X(FcPatternGetString) X(FcPatternGetInteger)                        \
  X(FcPatternGetCharSet) X(FcCharSetHasChar)

// The functions Corvane calls, by their own names.
struct FontApi {
  FontApi() = default;
  FontApi(const FontApi&) = delete;
  FontApi& operator=(const FontApi&) = delete;

  // Opens the two libraries on the first call; false (then and on every later call) when one
  // of them or one of its functions is missing.
  bool Load();

#define CORVANE_FONT_FUNCTION(name) decltype(&::name) name = nullptr;
  CORVANE_FREETYPE_FUNCTIONS(CORVANE_FONT_FUNCTION)
  CORVANE_FONTCONFIG_FUNCTIONS(CORVANE_FONT_FUNCTION)
#undef CORVANE_FONT_FUNCTION

 private:
  enum { kNotTried, kLoaded, kMissing } state_ = kNotTried;
  void* handles_[2] = {nullptr, nullptr};
};

}  // namespace corvane
