#include "pdf/pdf_surface.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <set>
#include <vector>

#include "fonts/font_subset.h"
#include "pdf/libharu_internals.h"
#include "platform/encoding.h"

namespace corvane {
namespace {

constexpr float kLimit = 32767;

// The operators libharu writes for the path, with numbers to a hundredth.
void AppendPath(std::string& text, const Path& path) {
  const float* number = path.numbers().data();
  // At most six numbers of at most 9 characters each, their spaces and the operator.
  char line[96];
  for (const Path::Op op : path.ops()) {
    int count = 2;
    const char* name = " m\n";
    switch (op) {
      case Path::Op::kMoveTo:
        break;
      case Path::Op::kLineTo:
        name = " l\n";
        break;
      case Path::Op::kCurveTo:
        count = 6;
        name = " c\n";
        break;
      case Path::Op::kRectangle:
        count = 4;
        name = " re\n";
        break;
    }
    char* p = line;
    for (int i = 0; i < count; ++i) {
      if (i > 0) *p++ = ' ';
      p = WritePdfReal(p, *number++);
    }
    while (*name != '\0') *p++ = *name++;
    text.append(line, p);
  }
}

// A form of the page, placed by its name.
class PdfStamp final : public Stamp {
 public:
  PdfStamp(HPDF_Page page, const char* name) : page_(page), name_(name) {}

  void DrawAt(double x, double y) override {
    if (name_ == nullptr) return;
    std::string& line = placement_;
    line = "q 1 0 0 1 ";
    char number[16];
    line.append(number, WritePdfReal(number, static_cast<float>(x)));
    line += ' ';
    line.append(number, WritePdfReal(number, static_cast<float>(y)));
    line += " cm /";
    line += name_;
    line += " Do Q\n";
    WriteToPage(page_, line.data(), line.size());
  }

 private:
  HPDF_Page page_;
  const char* name_;       // the form's name among the page's resources; none for no shape
  std::string placement_;  // the placing operators, kept to reuse their memory
};

// A number as libharu writes one: at most five decimals, trailing zeros dropped.
void AppendReal(std::string& out, float value) {
  char number[32];
  std::snprintf(number, sizeof number, "%.5f", static_cast<double>(value));
  std::string text = number;
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  if (text == "-0") text = "0";
  out += text;
}

}  // namespace

char* WritePdfReal(char* out, float value) {
  if (std::isnan(value)) value = 0;
  if (value > kLimit) value = kLimit;
  if (value < -kLimit) value = -kLimit;
  long long hundredths = std::llround(static_cast<double>(value) * 100);
  if (hundredths < 0) {
    *out++ = '-';
    hundredths = -hundredths;
  }
  char digits[16];
  char* end = digits + sizeof digits;
  char* p = end;
  if (const int cents = static_cast<int>(hundredths % 100); cents != 0) {
    if (cents % 10 != 0) *--p = static_cast<char>('0' + cents % 10);
    *--p = static_cast<char>('0' + cents / 10);
    *--p = '.';
  }
  long long whole = hundredths / 100;
  do {
    *--p = static_cast<char>('0' + whole % 10);
    whole /= 10;
  } while (whole > 0);
  return std::copy(p, end, out);
}

PdfFont::PdfFont(HPDF_Font font)
    : font_(font), ascent_(HPDF_Font_GetAscent(font)), descent_(HPDF_Font_GetDescent(font)) {}

// The page holds font sizes in single precision.
double PdfFont::Ascent(double size) const {
  return static_cast<double>(ascent_) * static_cast<float>(size) / 1000;
}

double PdfFont::Descent(double size) const {
  return -static_cast<double>(descent_) * static_cast<float>(size) / 1000;
}

// As libharu's HPDF_Page_TextWidth computes it, in single precision: the layout truncates
// widths, so a width computed otherwise would move a label by a point.
double PdfFont::Width(std::string_view utf8, double size) const {
  std::string converted;
  const std::string_view text = IsAscii(utf8) ? utf8 : (converted = ToWindows1252(utf8));
  // Measured up to a NUL, as libharu measures a C string.
  const HPDF_TextWidth tw = HPDF_Font_TextWidth(font_, reinterpret_cast<const HPDF_BYTE*>(text.data()),
                                                static_cast<HPDF_UINT>(text.substr(0, text.find('\0')).size()));
  float width = 0;
  width += tw.width * static_cast<float>(size) / 1000;
  return width;
}

const PdfFont& PdfFonts::Load(StandardFont font) {
  std::unique_ptr<PdfFont>& loaded = fonts_[FontIndex(font)];
  if (!loaded) loaded = std::make_unique<PdfFont>(HPDF_GetFont(doc_, StandardFontName(font), "WinAnsiEncoding"));
  return *loaded;
}

const PdfTrueTypeFont& PdfFonts::Load(const FontFace& face) {
  for (const auto& [known, font] : trueType_) {
    if (known == &face) return *font;
  }
  trueType_.emplace_back(&face, std::make_unique<PdfTrueTypeFont>(face, NewTrueTypeFont(doc_)));
  return *trueType_.back().second;
}

void PdfFonts::EmbedTrueType() {
  for (const auto& entry : trueType_) entry.second->Embed(doc_);
}

double PdfTrueTypeFont::Ascent(double size) const {
  return static_cast<double>(face_.ascent()) * static_cast<float>(size) / 1000;
}

double PdfTrueTypeFont::Descent(double size) const {
  return -static_cast<double>(face_.descent()) * static_cast<float>(size) / 1000;
}

double PdfTrueTypeFont::Width(std::string_view text, double size) const { return face_.Width(text, size); }

std::string PdfTrueTypeFont::Glyphs(std::string_view text) const {
  std::string hex;
  for (std::size_t i = 0; i < text.size();) {
    const char32_t cp = NextCodePoint(text, i);
    const unsigned glyph = face_.GlyphFor(cp);
    used_.emplace(glyph, glyph == 0 ? 0 : cp);
    for (int shift = 12; shift >= 0; shift -= 4) hex += "0123456789ABCDEF"[(glyph >> shift) & 15];
  }
  return hex;
}

namespace {

// Six capital letters that name the subset, the same for the same glyphs of the same face.
std::string SubsetTag(const std::string& name, const std::map<unsigned, char32_t>& glyphs) {
  std::uint32_t hash = 2166136261u;
  auto mix = [&hash](std::uint32_t value) { hash = (hash ^ value) * 16777619u; };
  for (const char c : name) mix(static_cast<unsigned char>(c));
  for (const auto& entry : glyphs) mix(entry.first);
  std::string tag;
  for (int i = 0; i < 6; ++i, hash /= 26) tag += static_cast<char>('A' + hash % 26);
  return tag;
}

std::string Hex4(unsigned value) {
  std::string hex;
  for (int shift = 12; shift >= 0; shift -= 4) hex += "0123456789ABCDEF"[(value >> shift) & 15];
  return hex;
}

// The CMap by which a reader turns the glyphs back into the characters they were drawn for.
std::string ToUnicodeCMap(const std::map<unsigned, char32_t>& glyphs) {
  std::vector<std::pair<unsigned, char32_t>> mapped;
  for (const auto& entry : glyphs) {
    if (entry.second != 0) mapped.push_back(entry);
  }
  std::string cmap =
      "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
      "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
      "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
      "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
  for (std::size_t i = 0; i < mapped.size(); i += 100) {
    const std::size_t n = std::min<std::size_t>(100, mapped.size() - i);
    cmap += std::to_string(n);
    cmap += " beginbfchar\n";
    for (std::size_t k = i; k < i + n; ++k) {
      const char32_t cp = mapped[k].second;
      cmap += '<';
      cmap += Hex4(mapped[k].first);
      cmap += "> <";
      if (cp < 0x10000) {
        cmap += Hex4(cp);
      } else {
        cmap += Hex4(0xD800 + ((cp - 0x10000) >> 10));
        cmap += Hex4(0xDC00 + ((cp - 0x10000) & 0x3FF));
      }
      cmap += ">\n";
    }
    cmap += "endbfchar\n";
  }
  cmap += "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
  return cmap;
}

}  // namespace

void PdfTrueTypeFont::Embed(HPDF_Doc doc) const {
  if (dict_ == nullptr) return;
  std::map<unsigned, char32_t> glyphs = used_;
  glyphs.emplace(0, 0);  // a TrueType font always carries its missing-glyph box
  std::set<unsigned> numbers;
  for (const auto& entry : glyphs) numbers.insert(entry.first);
  TrueTypeFontData data;
  data.baseFont = SubsetTag(face_.postScriptName(), glyphs);
  data.baseFont += '+';
  data.baseFont += face_.postScriptName();
  data.ascent = face_.ascent();
  data.descent = face_.descent();
  data.capHeight = face_.capHeight();
  for (int i = 0; i < 4; ++i) data.box[i] = face_.box()[i];
  data.italicAngle = face_.italicAngle();
  data.fixedPitch = face_.fixedPitch();
  for (const unsigned glyph : numbers) data.widths.emplace_back(glyph, face_.Advance(glyph));
  data.toUnicode = ToUnicodeCMap(glyphs);
  data.fontFile = SubsetFont(face_, numbers);
  FinishTrueTypeFont(doc, dict_, data);
}

double PdfSurface::Width() const { return HPDF_Page_GetWidth(page_); }

double PdfSurface::Height() const { return HPDF_Page_GetHeight(page_); }

void PdfSurface::Save() { HPDF_Page_GSave(page_); }

void PdfSurface::Restore() { HPDF_Page_GRestore(page_); }

void PdfSurface::SetLineWidth(double width) { HPDF_Page_SetLineWidth(page_, static_cast<float>(width)); }

void PdfSurface::SetDash(std::span<const double> pattern, double phase) {
  std::vector<HPDF_UINT16> dash;
  for (const double length : pattern) dash.push_back(static_cast<HPDF_UINT16>(length));
  HPDF_Page_SetDash(page_, dash.empty() ? nullptr : dash.data(), static_cast<HPDF_UINT>(dash.size()),
                    static_cast<HPDF_UINT>(phase));
}

void PdfSurface::SetFillColor(const RgbColor& color) {
  HPDF_Page_SetRGBFill(page_, color.red, color.green, color.blue);
}

void PdfSurface::SetStrokeColor(const RgbColor& color) {
  HPDF_Page_SetRGBStroke(page_, color.red, color.green, color.blue);
}

void PdfSurface::WriteClose() {
  if (!closing_) return;
  closing_ = false;
  HPDF_Page_ClosePath(page_);
}

void PdfSurface::MoveTo(double x, double y) {
  WriteClose();
  HPDF_Page_MoveTo(page_, static_cast<float>(x), static_cast<float>(y));
}

void PdfSurface::LineTo(double x, double y) {
  WriteClose();
  HPDF_Page_LineTo(page_, static_cast<float>(x), static_cast<float>(y));
}

void PdfSurface::CurveTo(double x1, double y1, double x2, double y2, double x3, double y3) {
  WriteClose();
  HPDF_Page_CurveTo(page_, static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2),
                    static_cast<float>(y2), static_cast<float>(x3), static_cast<float>(y3));
}

void PdfSurface::Rectangle(double x, double y, double width, double height) {
  WriteClose();
  HPDF_Page_Rectangle(page_, static_cast<float>(x), static_cast<float>(y), static_cast<float>(width),
                      static_cast<float>(height));
}

void PdfSurface::Arc(double x, double y, double radius, double from, double to) {
  WriteClose();
  HPDF_Page_Arc(page_, static_cast<float>(x), static_cast<float>(y), static_cast<float>(radius),
                static_cast<float>(from), static_cast<float>(to));
}

void PdfSurface::ClosePath() { closing_ = true; }

Point PdfSurface::CurrentPoint() {
  WriteClose();
  const HPDF_Point p = HPDF_Page_GetCurrentPos(page_);
  return Point{p.x, p.y};
}

void PdfSurface::Fill() {
  WriteClose();
  HPDF_Page_Fill(page_);
}

void PdfSurface::Stroke() {
  if (closing_) {
    closing_ = false;
    HPDF_Page_ClosePathStroke(page_);
  } else {
    HPDF_Page_Stroke(page_);
  }
}

void PdfSurface::FillAndStroke() {
  if (closing_) {
    closing_ = false;
    HPDF_Page_ClosePathFillStroke(page_);
  } else {
    HPDF_Page_FillStroke(page_);
  }
}

void PdfSurface::Clip() {
  WriteClose();
  HPDF_Page_Clip(page_);
  HPDF_Page_EndPath(page_);
}

// The path's operators with its paint, which is written with them: that leaves libharu's idea
// of the page state (no path open) true.
const std::string& PdfSurface::PathText(const Path& path, const char* paint) {
  text_.clear();
  AppendPath(text_, path);
  text_ += paint;
  return text_;
}

void PdfSurface::FillPath(const Path& path) {
  if (path.empty()) return;
  const std::string& text = PathText(path, "f\n");
  WriteToPage(page_, text.data(), text.size());
}

void PdfSurface::StrokePath(const Path& path) {
  if (path.empty()) return;
  const std::string& text = PathText(path, "S\n");
  WriteToPage(page_, text.data(), text.size());
}

std::unique_ptr<Stamp> PdfSurface::MakeStamp(const Path& shape, Paint paint, double reach) {
  if (shape.empty()) return std::make_unique<PdfStamp>(page_, nullptr);
  const std::string& content = PathText(shape, paint == Paint::kFill ? "f\n" : "S\n");
  return std::make_unique<PdfStamp>(page_, AddForm(page_, static_cast<float>(reach), content));
}

const Font& PdfSurface::FontFor(StandardFont font) { return fonts_.Load(font); }

const Font& PdfSurface::FontFor(const FontFace& face) { return fonts_.Load(face); }

void PdfSurface::SetFont(const Font& font, double size) {
  trueType_ = dynamic_cast<const PdfTrueTypeFont*>(&font);
  if (trueType_ != nullptr) {
    trueTypeSize_ = static_cast<float>(size);
    return;
  }
  HPDF_Page_SetFontAndSize(page_, static_cast<const PdfFont&>(font).handle(), static_cast<float>(size));
}

void PdfSurface::SetTextRendering(TextRendering rendering) {
  HPDF_Page_SetTextRenderingMode(page_, rendering == TextRendering::kFill ? HPDF_FILL : HPDF_FILL_THEN_STROKE);
}

void PdfSurface::ShowText(double x, double y, double angle, const std::string& text) {
  const double r = angle * 3.141592653589793 / 180;
  if (trueType_ != nullptr) {
    ShowTrueTypeText(static_cast<float>(std::cos(r)), static_cast<float>(std::sin(r)), static_cast<float>(x),
                     static_cast<float>(y), text);
    return;
  }
  HPDF_Page_BeginText(page_);
  HPDF_Page_SetTextMatrix(page_, static_cast<float>(std::cos(r)), static_cast<float>(std::sin(r)),
                          static_cast<float>(-std::sin(r)), static_cast<float>(std::cos(r)),
                          static_cast<float>(x), static_cast<float>(y));
  HPDF_Page_ShowText(page_, IsAscii(text) ? text.c_str() : ToWindows1252(text).c_str());
  HPDF_Page_EndText(page_);
}

// The operators libharu writes for a text, with the font set inside the text object, and the
// glyph numbers as a hexadecimal string.
void PdfSurface::ShowTrueTypeText(float c, float s, float x, float y, const std::string& text) {
  std::string& ops = text_;
  ops = "BT\n/";
  ops += FontResourceName(page_, trueType_->dict());
  ops += ' ';
  AppendReal(ops, trueTypeSize_);
  ops += " Tf\n";
  for (const float number : {c, s, -s, c, x, y}) {
    AppendReal(ops, number);
    ops += ' ';
  }
  ops += "Tm\n<";
  ops += trueType_->Glyphs(text);
  ops += "> Tj\nET\n";
  WriteToPage(page_, ops.data(), ops.size());
}

}  // namespace corvane
