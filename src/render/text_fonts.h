// The fonts a chart's texts are drawn in. A text whose characters all exist in Windows-1252 is
// drawn in the standard font its font setting names, exactly as always. Any other text is drawn in a
// TrueType font found through fontconfig: the family that matches the standard font (sans for
// Helvetica, serif for Times, monospace for Courier, bold and italic kept), or the first font
// after it that has every character of the text; when no font has them all, the text is drawn
// in runs, each character in the first font that has it. A font setting that names a TrueType font
// (-Font, or an installed family) draws every text in it, other fonts filling in only what it
// lacks. A character no font has is drawn as the missing-glyph box, and logged.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "fonts/font_library.h"
#include "model/chart_settings.h"
#include "platform/log.h"
#include "render/surface.h"

namespace corvane {

// A piece of a text drawn in one font.
struct TextRun {
  const Font* font;
  std::string_view text;
};

class TextFonts;

// The fonts of one font key: a standard font with the TrueType fonts that stand in for it, or
// a named TrueType font with those that fill in for it.
class TextFont {
 public:
  TextFont(TextFonts& owner, const Font* standard, std::string family, bool bold, bool italic,
           std::optional<FontFile> named);

  // The font a setting of this key puts into effect: the standard font, or the named one.
  const Font& applied();
  // The standard font of the key, none for a named font.
  const Font* standard() const { return standard_; }
  // The runs the text is drawn in, in order. Returns the first character no font has, or 0.
  char32_t Runs(std::string_view text, std::vector<TextRun>& runs);
  // The text's width at the size, in the fonts it is drawn in.
  double Width(std::string_view text, double size);
  // Draws the text from (x, y) at the angle, run by run, and leaves applied() in effect.
  void Show(double x, double y, double angle, const std::string& text, double size);

 private:
  // A font that may draw this key's texts, opened when first needed.
  struct Candidate {
    FontFile file;
    const InstalledFont* installed;  // what fontconfig knows of it; none for a named file
    enum { kUnknown, kUsable, kUnusable } state = kUnknown;
    const FontFace* face = nullptr;
    const Font* font = nullptr;
  };

  std::vector<Candidate>& Chain();
  bool Usable(Candidate& c);
  bool Covers(Candidate& c, char32_t codePoint);

  TextFonts& owner_;
  const Font* standard_;
  std::string family_;
  bool bold_;
  bool italic_;
  std::optional<FontFile> named_;
  const Font* applied_ = nullptr;
  bool chainBuilt_ = false;
  std::vector<Candidate> chain_;
  std::vector<char32_t> codePoints_;  // the text being split, kept to reuse its memory
  std::vector<TextRun> runs_;
};

class TextFonts {
 public:
  TextFonts(Surface& surface, const ChartSettings& settings, FontLibrary& library, Log& log)
      : surface_(surface), settings_(settings), library_(library), log_(log) {}

  // The fonts of the setting's key, the same for the whole page.
  TextFont& For(const FontSpec& spec);

  FontLibrary& library() { return library_; }

 private:
  friend class TextFont;
  // Logs, once per text, the first character of it that no font has.
  void Missing(char32_t codePoint, const std::string& text);

  Surface& surface_;
  const ChartSettings& settings_;
  FontLibrary& library_;
  Log& log_;
  std::map<int, std::unique_ptr<TextFont>> standard_;  // by FontIndex
  std::map<int, std::unique_ptr<TextFont>> named_;     // by place in ChartSettings::Fonts
  std::set<std::string> warned_;
};

}  // namespace corvane
