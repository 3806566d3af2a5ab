// The installed fonts, as fontconfig knows them. Fontconfig reads its configuration and font
// caches on the first question only, so a run that draws nothing but Windows-1252 text in the
// standard fonts never starts it. Only fonts with TrueType outlines are offered: those are
// the ones a document can embed as they are.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "fonts/font_face.h"

struct _FcConfig;
struct _FcFontSet;

namespace corvane {

// An installed font and the characters it has, known without opening it.
class InstalledFont {
 public:
  InstalledFont(const FontApi& api, FontFile file, const void* charset)
      : api_(&api), file_(std::move(file)), charset_(charset) {}
  const FontFile& file() const { return file_; }
  bool Has(char32_t codePoint) const;

 private:
  const FontApi* api_;
  FontFile file_;
  const void* charset_;  // fontconfig's, alive as long as the finder
};

class FontFinder {
 public:
  explicit FontFinder(FontApi& api) : api_(api) {}
  ~FontFinder();
  FontFinder(const FontFinder&) = delete;
  FontFinder& operator=(const FontFinder&) = delete;

  // The installed fonts nearest to the family (a family's name, or "sans-serif", "serif",
  // "monospace") with the weight and slant, best first: the family itself, then whatever
  // fontconfig would substitute for it, character by character.
  const std::vector<InstalledFont>& Sorted(const std::string& family, bool bold, bool italic);

  // The regular face of the installed family that has exactly this name, letter case ignored;
  // none when there is none (fontconfig's nearest substitute does not count).
  std::optional<FontFile> FamilyNamed(const std::string& name);

 private:
  bool Start();

  FontApi& api_;
  _FcConfig* config_ = nullptr;
  bool failed_ = false;
  std::vector<_FcFontSet*> sets_;
  std::map<std::tuple<std::string, bool, bool>, std::vector<InstalledFont>> sorted_;
};

}  // namespace corvane
