#include "render/text_fonts.h"

#include <cmath>

#include "platform/encoding.h"

namespace corvane {
namespace {

// The fontconfig family that stands in for a standard font, and its weight and slant.
struct Likeness {
  const char* family;
  bool bold;
  bool italic;
};

Likeness LikenessOf(StandardFont font) {
  switch (font) {
    case StandardFont::kCourier: return {"monospace", false, false};
    case StandardFont::kCourierBold: return {"monospace", true, false};
    case StandardFont::kCourierBoldOblique: return {"monospace", true, true};
    case StandardFont::kCourierOblique: return {"monospace", false, true};
    case StandardFont::kHelvetica: return {"sans-serif", false, false};
    case StandardFont::kHelveticaBold: return {"sans-serif", true, false};
    case StandardFont::kHelveticaBoldOblique: return {"sans-serif", true, true};
    case StandardFont::kHelveticaOblique: return {"sans-serif", false, true};
    case StandardFont::kTimesRoman: return {"serif", false, false};
    case StandardFont::kTimesBold: return {"serif", true, false};
    case StandardFont::kTimesItalic: return {"serif", false, true};
    case StandardFont::kTimesBoldItalic: return {"serif", true, true};
    case StandardFont::kSymbol:
    case StandardFont::kZapfDingbats: break;
  }
  return {"sans-serif", false, false};
}

}  // namespace

TextFont::TextFont(TextFonts& owner, const Font* standard, std::string family, bool bold, bool italic,
                   std::optional<FontFile> named)
    : owner_(owner),
      standard_(standard),
      family_(std::move(family)),
      bold_(bold),
      italic_(italic),
      named_(std::move(named)) {}

std::vector<TextFont::Candidate>& TextFont::Chain() {
  if (chainBuilt_) return chain_;
  chainBuilt_ = true;
  if (named_) chain_.push_back(Candidate{*named_, nullptr});
  for (const InstalledFont& font : owner_.library_.finder().Sorted(family_, bold_, italic_)) {
    if (!named_ || font.file() != *named_) chain_.push_back(Candidate{font.file(), &font});
  }
  return chain_;
}

// Opened, with TrueType outlines, and a licence that lets it be embedded.
bool TextFont::Usable(Candidate& c) {
  if (c.state == Candidate::kUnknown) {
    int error = 0;
    c.face = owner_.library_.Open(c.file, error);
    c.state = c.face != nullptr && c.face->embeddable() ? Candidate::kUsable : Candidate::kUnusable;
    if (c.state == Candidate::kUsable) c.font = &owner_.surface_.FontFor(*c.face);
  }
  return c.state == Candidate::kUsable;
}

bool TextFont::Covers(Candidate& c, char32_t codePoint) {
  if (c.installed != nullptr) return c.installed->Has(codePoint);
  return Usable(c) && c.face->Has(codePoint);
}

const Font& TextFont::applied() {
  if (applied_ != nullptr) return *applied_;
  if (standard_ != nullptr) return *(applied_ = standard_);
  for (Candidate& c : Chain()) {
    if (Usable(c)) return *(applied_ = c.font);
  }
  // Not even the named font can be embedded, nor any other: the default font draws instead.
  return *(applied_ = &owner_.surface_.FontFor(StandardFont::kTimesRoman));
}

char32_t TextFont::Runs(std::string_view text, std::vector<TextRun>& runs) {
  runs.clear();
  if (standard_ != nullptr && FitsWindows1252(text)) {
    runs.push_back(TextRun{standard_, text});
    return 0;
  }
  codePoints_.clear();
  for (std::size_t i = 0; i < text.size();) codePoints_.push_back(NextCodePoint(text, i));

  // The first font that has every character draws the whole text.
  std::vector<Candidate>& chain = Chain();
  for (Candidate& c : chain) {
    bool all = true;
    for (const char32_t cp : codePoints_) {
      if (!Covers(c, cp)) {
        all = false;
        break;
      }
    }
    if (all && Usable(c)) {
      runs.push_back(TextRun{c.font, text});
      return 0;
    }
  }

  // Otherwise each character in the first font that has it; a character none has stays in
  // the first usable font, as its missing-glyph box.
  const Font* first = nullptr;
  for (Candidate& c : chain) {
    if (Usable(c)) {
      first = c.font;
      break;
    }
  }
  char32_t missing = 0;
  if (first == nullptr) {
    // No TrueType font at all: the standard font draws what Windows-1252 holds.
    first = &applied();
    for (const char32_t cp : codePoints_) {
      if (!Windows1252Byte(cp)) {
        missing = cp;
        break;
      }
    }
    runs.push_back(TextRun{first, text});
    return missing;
  }
  std::size_t at = 0;
  std::size_t runStart = 0;
  const Font* current = nullptr;
  for (const char32_t cp : codePoints_) {
    const std::size_t start = at;
    NextCodePoint(text, at);
    const Font* font = nullptr;
    for (Candidate& c : chain) {
      if (Covers(c, cp) && Usable(c)) {
        font = c.font;
        break;
      }
    }
    if (font == nullptr) {
      font = first;
      if (missing == 0) missing = cp;
    }
    if (font != current) {
      if (current != nullptr) runs.push_back(TextRun{current, text.substr(runStart, start - runStart)});
      current = font;
      runStart = start;
    }
  }
  if (current != nullptr) runs.push_back(TextRun{current, text.substr(runStart)});
  return missing;
}

double TextFont::Width(std::string_view text, double size) {
  if (standard_ != nullptr && IsAscii(text)) return standard_->Width(text, size);
  Runs(text, runs_);
  if (runs_.size() == 1) return runs_[0].font->Width(text, size);
  double width = 0;
  for (const TextRun& run : runs_) width += run.font->Width(run.text, size);
  return width;
}

void TextFont::Show(double x, double y, double angle, const std::string& text, double size) {
  Surface& surface = owner_.surface_;
  if (standard_ != nullptr && IsAscii(text)) {
    surface.ShowText(x, y, angle, text);
    return;
  }
  const char32_t missing = Runs(text, runs_);
  if (missing != 0) owner_.Missing(missing, text);
  const Font& font = applied();
  if (runs_.size() == 1 && runs_[0].font == &font) {
    surface.ShowText(x, y, angle, text);
    return;
  }
  const double r = angle * 3.141592653589793 / 180;
  double advance = 0;
  for (const TextRun& run : runs_) {
    surface.SetFont(*run.font, size);
    surface.ShowText(x + advance * std::cos(r), y + advance * std::sin(r), angle, std::string(run.text));
    advance += run.font->Width(run.text, size);
  }
  surface.SetFont(font, size);
}

TextFont& TextFonts::For(const FontSpec& spec) {
  const bool named = spec.named >= 0 && static_cast<std::size_t>(spec.named) < settings_.Fonts.size();
  auto& fonts = named ? named_ : standard_;
  const int key = named ? spec.named : static_cast<int>(FontIndex(spec.font));
  std::unique_ptr<TextFont>& font = fonts[key];
  if (!font) {
    if (named) {
      const NamedFont& n = settings_.Fonts[static_cast<std::size_t>(spec.named)];
      font = std::make_unique<TextFont>(*this, nullptr, n.name, false, false, FontFile{n.path, n.index});
    } else {
      const Likeness like = LikenessOf(spec.font);
      font = std::make_unique<TextFont>(*this, &surface_.FontFor(spec.font), like.family, like.bold, like.italic,
                                        std::nullopt);
    }
  }
  return *font;
}

void TextFonts::Missing(char32_t codePoint, const std::string& text) {
  if (!warned_.insert(text).second) return;
  log_.LogMessage("WARNING: no font has U+%04X in [%s]", static_cast<unsigned>(codePoint), text.c_str());
}

}  // namespace corvane
