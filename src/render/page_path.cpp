#include "render/page_path.h"

#include <hpdf_pages.h>

#include <algorithm>
#include <cmath>

namespace corvane {
namespace {

// libharu's circle handle length (a float constant there; not the exact 0.5523).
constexpr float kKappa = 0.552F;
constexpr float kLimit = 32767;

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

void PagePath::Numbers(std::initializer_list<float> values, const char* op) {
  // At most six numbers of at most 9 characters each, their spaces and the operator.
  char line[96];
  char* p = line;
  for (const float v : values) {
    if (p != line) *p++ = ' ';
    p = WritePdfReal(p, v);
  }
  while (*op != '\0') *p++ = *op++;
  text_.append(line, p);
}

void PagePath::MoveTo(double x, double y) {
  Numbers({static_cast<float>(x), static_cast<float>(y)}, " m\n");
}

void PagePath::LineTo(double x, double y) {
  Numbers({static_cast<float>(x), static_cast<float>(y)}, " l\n");
}

void PagePath::CurveTo(double x1, double y1, double x2, double y2, double x3, double y3) {
  Numbers({static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2), static_cast<float>(y2),
           static_cast<float>(x3), static_cast<float>(y3)},
          " c\n");
}

void PagePath::Rectangle(double x, double y, double width, double height) {
  Numbers({static_cast<float>(x), static_cast<float>(y), static_cast<float>(width), static_cast<float>(height)},
          " re\n");
}

void PagePath::Circle(double xd, double yd, double radius) {
  const auto x = static_cast<float>(xd);
  const auto y = static_cast<float>(yd);
  const auto r = static_cast<float>(radius);
  const float k = r * kKappa;
  Numbers({x - r, y}, " m\n");
  Numbers({x - r, y + k, x - k, y + r, x, y + r}, " c\n");
  Numbers({x + k, y + r, x + r, y + k, x + r, y}, " c\n");
  Numbers({x + r, y - k, x + k, y - r, x, y - r}, " c\n");
  Numbers({x - k, y - r, x - r, y - k, x - r, y}, " c\n");
}

void PagePath::Fill(HPDF_Dict target) { Paint(target, "f\n"); }

void PagePath::Stroke(HPDF_Dict target) { Paint(target, "S\n"); }

void PagePath::Paint(HPDF_Dict target, const char* op) {
  if (text_.empty()) return;
  text_ += op;
  WriteToPage(target, text_.data(), text_.size());
  text_.clear();
}

void WriteToPage(HPDF_Dict target, const char* bytes, std::size_t size) {
  // A form carries its own stream; a page's content stream is kept among its attributes.
  const HPDF_Stream stream =
      target->stream != nullptr ? target->stream : static_cast<HPDF_PageAttr>(target->attr)->stream;
  if (HPDF_Stream_Write(stream, reinterpret_cast<const HPDF_BYTE*>(bytes), static_cast<HPDF_UINT>(size)) !=
      HPDF_OK) {
    HPDF_CheckError(target->error);
  }
}

}  // namespace corvane
