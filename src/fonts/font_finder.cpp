#include "fonts/font_finder.h"

#include <cstring>

#include "fonts/font_api.h"

#include "platform/compare.h"

namespace corvane {
namespace {

// A pattern asking for the family at the weight and slant, completed as fontconfig completes
// every request (aliases such as sans-serif, default sizes and languages).
FcPattern* Request(const FontApi& api, FcConfig* config, const std::string& family, bool bold, bool italic) {
  FcPattern* pattern = api.FcPatternCreate();
  api.FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  api.FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  api.FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  api.FcConfigSubstitute(config, pattern, FcMatchPattern);
  api.FcDefaultSubstitute(pattern);
  return pattern;
}

bool HasTrueTypeOutlines(const FontApi& api, FcPattern* font) {
  FcChar8* format = nullptr;
  if (api.FcPatternGetString(font, FC_FONTFORMAT, 0, &format) != FcResultMatch) return false;
  return std::strcmp(reinterpret_cast<const char*>(format), "TrueType") == 0;
}

std::optional<FontFile> FileOf(const FontApi& api, FcPattern* font) {
  FcChar8* path = nullptr;
  int index = 0;
  if (api.FcPatternGetString(font, FC_FILE, 0, &path) != FcResultMatch) return std::nullopt;
  api.FcPatternGetInteger(font, FC_INDEX, 0, &index);
  return FontFile{reinterpret_cast<const char*>(path), index};
}

}  // namespace

bool InstalledFont::Has(char32_t codePoint) const {
  return api_->FcCharSetHasChar(static_cast<const FcCharSet*>(charset_), codePoint) != FcFalse;
}

FontFinder::~FontFinder() {
  for (FcFontSet* set : sets_) api_.FcFontSetDestroy(set);
  if (config_ != nullptr) api_.FcConfigDestroy(config_);
}

bool FontFinder::Start() {
  if (config_ == nullptr && !failed_) {
    config_ = api_.Load() ? api_.FcInitLoadConfigAndFonts() : nullptr;
    failed_ = config_ == nullptr;
  }
  return config_ != nullptr;
}

const std::vector<InstalledFont>& FontFinder::Sorted(const std::string& family, bool bold, bool italic) {
  const auto key = std::make_tuple(family, bold, italic);
  const auto known = sorted_.find(key);
  if (known != sorted_.end()) return known->second;
  std::vector<InstalledFont>& fonts = sorted_[key];
  if (!Start()) return fonts;
  const FontApi& api = api_;
  FcPattern* pattern = Request(api, config_, family, bold, italic);
  FcResult result = FcResultNoMatch;
  FcFontSet* set = api.FcFontSort(config_, pattern, FcFalse, nullptr, &result);
  api.FcPatternDestroy(pattern);
  if (set == nullptr) return fonts;
  sets_.push_back(set);
  for (int i = 0; i < set->nfont; ++i) {
    FcPattern* font = set->fonts[i];
    FcCharSet* charset = nullptr;
    const auto file = FileOf(api, font);
    if (!file || !HasTrueTypeOutlines(api, font) || api.FcPatternGetCharSet(font, FC_CHARSET, 0, &charset) != FcResultMatch) {
      continue;
    }
    fonts.emplace_back(api, *file, charset);
  }
  return fonts;
}

std::optional<FontFile> FontFinder::FamilyNamed(const std::string& name) {
  if (!Start()) return std::nullopt;
  const FontApi& api = api_;
  FcPattern* pattern = Request(api, config_, name, false, false);
  FcResult result = FcResultNoMatch;
  FcPattern* font = api.FcFontMatch(config_, pattern, &result);
  api.FcPatternDestroy(pattern);
  if (font == nullptr) return std::nullopt;
  std::optional<FontFile> found;
  FcChar8* family = nullptr;
  for (int i = 0; api.FcPatternGetString(font, FC_FAMILY, i, &family) == FcResultMatch; ++i) {
    if (EqualsNoCase(reinterpret_cast<const char*>(family), name) && HasTrueTypeOutlines(api, font)) {
      found = FileOf(api, font);
      break;
    }
  }
  api.FcPatternDestroy(font);
  return found;
}

}  // namespace corvane
