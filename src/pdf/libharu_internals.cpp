#include "pdf/libharu_internals.h"

#include <hpdf_objects.h>
#include <hpdf_pages.h>
#include <hpdf_streams.h>

namespace corvane {
namespace {

// Appends bytes to a stream of the page or of one of its objects; a failure is reported as
// libharu reports its own.
void Write(HPDF_Stream stream, HPDF_Error error, const char* bytes, std::size_t size) {
  if (HPDF_Stream_Write(stream, reinterpret_cast<const HPDF_BYTE*>(bytes), static_cast<HPDF_UINT>(size)) !=
      HPDF_OK) {
    HPDF_CheckError(error);
  }
}

}  // namespace

void WriteToPage(HPDF_Page page, const char* bytes, std::size_t size) {
  // A page's content stream is kept among its attributes.
  Write(static_cast<HPDF_PageAttr>(page->attr)->stream, page->error, bytes, size);
}

const char* AddForm(HPDF_Page page, float half, const std::string& content) {
  const auto attr = static_cast<HPDF_PageAttr>(page->attr);
  HPDF_Dict form = HPDF_DictStream_New(page->mmgr, attr->xref);
  if (form == nullptr) {
    HPDF_CheckError(page->error);
    return nullptr;
  }
  if (attr->compression_mode & HPDF_COMP_TEXT) form->filter = HPDF_STREAM_FILTER_FLATE_DECODE;
  HPDF_Dict_AddName(form, "Type", "XObject");
  HPDF_Dict_AddName(form, "Subtype", "Form");
  HPDF_Array box = HPDF_Array_New(page->mmgr);
  HPDF_Dict_Add(form, "BBox", box);
  for (const float edge : {-half, -half, half, half}) HPDF_Array_AddReal(box, edge);
  Write(form->stream, form->error, content.data(), content.size());
  const char* name = HPDF_Page_GetXObjectName(page, form);
  HPDF_CheckError(page->error);
  return name;
}

void RetitleOutline(HPDF_Outline entry, const std::string& title) {
  // An entry is a dictionary whose Title string is replaced.
  HPDF_String text = HPDF_String_New(entry->mmgr, title.c_str(), nullptr);
  if (HPDF_Dict_Add(entry, "Title", text) != HPDF_OK) HPDF_CheckError(entry->error);
}

}  // namespace corvane
