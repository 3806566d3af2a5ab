#include "support/pdf_page.h"

#include <stdexcept>

namespace corvane::testing {
namespace {

void ThrowOnError(HPDF_STATUS error, HPDF_STATUS detail, void*) {
  char text[64];
  std::snprintf(text, sizeof text, "libharu error 0x%04X (%u)", static_cast<unsigned>(error),
                static_cast<unsigned>(detail));
  throw std::runtime_error(text);
}

HPDF_Doc NewDocument() {
  HPDF_Doc doc = HPDF_New(ThrowOnError, nullptr);
  HPDF_SetCompressionMode(doc, HPDF_COMP_NONE);
  return doc;
}

HPDF_Page NewPage(HPDF_Doc doc, PdfFonts& fonts, float width, float height) {
  for (int font = 0; font < kFontCount; ++font) fonts.Load(static_cast<StandardFont>(font));
  HPDF_Page page = HPDF_AddPage(doc);
  HPDF_Page_SetWidth(page, width);
  HPDF_Page_SetHeight(page, height);
  return page;
}

}  // namespace

PdfPage::PdfPage(float width, float height) : doc(NewDocument()), page(NewPage(doc, fonts, width, height)) {}

PdfPage::~PdfPage() { HPDF_Free(doc); }

std::string PdfPage::Bytes() const {
  HPDF_SaveToStream(doc);
  std::string bytes(HPDF_GetStreamSize(doc), '\0');
  HPDF_UINT32 size = static_cast<HPDF_UINT32>(bytes.size());
  HPDF_ResetStream(doc);
  HPDF_ReadFromStream(doc, reinterpret_cast<HPDF_BYTE*>(bytes.data()), &size);
  bytes.resize(size);
  return bytes;
}

}  // namespace corvane::testing
