#include "render/text.h"

#include <vector>

#include "platform/encoding.h"
#include "render/color.h"

namespace corvane {
namespace {

// A, D and S come from the tallest of the fonts the texts are drawn in.
template <typename Texts, typename TextOf>
SizedFont Measured(const Canvas& canvas, const FontSpec& spec, const Texts& texts, TextOf textOf) {
  TextFont& font = canvas.fonts.For(spec);
  const double size = static_cast<double>(spec.size);
  if (texts.size() == 0) return SizedFont{font, size, font.applied()};
  // Drawn entirely in the applied font, the texts are measured by it.
  const Font& applied = font.applied();
  std::vector<TextRun> runs;
  const Font* tallest = nullptr;
  for (const auto& entry : texts) {
    const std::string& text = textOf(entry);
    if (IsAscii(text) && &font.applied() == font.standard()) {
      if (tallest == nullptr) tallest = &applied;
      continue;
    }
    font.Runs(text, runs);
    for (const TextRun& run : runs) {
      if (tallest == nullptr || run.font->Ascent(size) + run.font->Descent(size) >
                                    tallest->Ascent(size) + tallest->Descent(size)) {
        tallest = run.font;
      }
    }
  }
  return SizedFont{font, size, tallest != nullptr ? *tallest : applied};
}

SizedFont Applied(const Canvas& canvas, const FontSpec& spec, const SizedFont& font) {
  Surface& surface = canvas.surface;
  font.Select(surface);
  const bool filledOnly = spec.textStyle == TextStyle::kNormal ||
                          (spec.textStyle == TextStyle::kStroke && SameColor(spec.fillColor, spec.strokeColor));
  if (filledOnly) {
    surface.SetTextRendering(TextRendering::kFill);
    surface.SetFillColor(spec.fillColor);
  } else {
    surface.SetTextRendering(TextRendering::kFillThenStroke);
    surface.SetStrokeColor(spec.strokeColor);
    surface.SetFillColor(spec.fillColor);
  }
  return font;
}

}  // namespace

SizedFont FontOf(const Canvas& canvas, const FontSpec& spec, std::initializer_list<const std::string*> texts) {
  return Measured(canvas, spec, texts, [](const std::string* text) -> const std::string& { return *text; });
}

SizedFont FontOf(const Canvas& canvas, const FontSpec& spec, const std::vector<std::string>& texts) {
  return Measured(canvas, spec, texts, [](const std::string& text) -> const std::string& { return text; });
}

SizedFont ApplyFont(const Canvas& canvas, const FontSpec& spec, std::initializer_list<const std::string*> texts) {
  return Applied(canvas, spec, FontOf(canvas, spec, texts));
}

SizedFont ApplyFont(const Canvas& canvas, const FontSpec& spec, const std::vector<std::string>& texts) {
  return Applied(canvas, spec, FontOf(canvas, spec, texts));
}

}  // namespace corvane
