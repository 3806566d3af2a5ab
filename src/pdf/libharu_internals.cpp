#include "pdf/libharu_internals.h"

#include <hpdf_doc.h>
#include <hpdf_encoder.h>
#include <hpdf_mmgr.h>
#include <hpdf_objects.h>
#include <hpdf_pages.h>
#include <hpdf_streams.h>

#include <cstring>

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

// The library writes a string that has an encoder as UTF-16 after a byte-order mark, one unit
// for each character code the encoder reads; this encoder reads the string's bytes as the
// UTF-16 units themselves, so every unit, surrogates too, is written as it is.
HPDF_ByteType Utf16Units(HPDF_Encoder, HPDF_ParseText_Rec* state) {
  const HPDF_ByteType type = state->index % 2 == 0 ? HPDF_BYTE_TYPE_LEAD : HPDF_BYTE_TYPE_TRIAL;
  ++state->index;
  return type;
}

HPDF_UNICODE SameUnit(HPDF_Encoder, HPDF_UINT16 code) { return code; }

HPDF_Encoder Utf16Encoder() {
  static HPDF_Encoder_Rec encoder = [] {
    HPDF_Encoder_Rec e{};
    e.sig_bytes = HPDF_ENCODER_SIG_BYTES;
    e.type = HPDF_ENCODER_TYPE_DOUBLE_BYTE;
    e.byte_type_fn = Utf16Units;
    e.to_unicode_fn = SameUnit;
    return e;
  }();
  return &encoder;
}

// A string object of the text. A UTF-16 text keeps its units, without the byte-order mark the
// library writes itself, and stays a string, which the library's encryption reads.
HPDF_String TextObject(HPDF_MMgr mmgr, const PdfTextString& text) {
  if (!text.utf16) return HPDF_String_New(mmgr, text.bytes.c_str(), nullptr);
  HPDF_String string = HPDF_String_New(mmgr, "", Utf16Encoder());
  if (string == nullptr) return nullptr;
  const std::size_t size = text.bytes.size() - 2;
  auto* units = static_cast<HPDF_BYTE*>(HPDF_GetMem(mmgr, static_cast<HPDF_UINT>(size + 1)));
  if (units == nullptr) return string;
  std::memcpy(units, text.bytes.data() + 2, size);
  units[size] = 0;
  HPDF_FreeMem(mmgr, string->value);
  string->value = units;
  string->len = static_cast<HPDF_UINT>(size);
  return string;
}

void RetitleOutline(HPDF_Outline entry, const PdfTextString& title) {
  // An entry is a dictionary whose Title string is replaced.
  if (HPDF_Dict_Add(entry, "Title", TextObject(entry->mmgr, title)) != HPDF_OK) HPDF_CheckError(entry->error);
}

void SetInfoText(HPDF_Doc doc, HPDF_InfoType type, const PdfTextString& text) {
  if (!text.utf16) {
    HPDF_SetInfoAttr(doc, type, text.bytes.c_str());
    return;
  }
  // The library makes the information dictionary and the entry's place in it; the value is then
  // replaced.
  static constexpr const char* kKeys[] = {"CreationDate", "ModDate", "Author",  "Creator",
                                          "Producer",     "Title",   "Subject", "Keywords"};
  HPDF_SetInfoAttr(doc, type, "");
  if (doc->info == nullptr) return;
  if (HPDF_Dict_Add(doc->info, kKeys[type], TextObject(doc->mmgr, text)) != HPDF_OK) HPDF_CheckError(&doc->error);
}

HPDF_Dict NewTrueTypeFont(HPDF_Doc doc) {
  HPDF_Dict font = HPDF_Dict_New(doc->mmgr);
  if (font == nullptr || HPDF_Xref_Add(doc->xref, font) != HPDF_OK) {
    HPDF_CheckError(&doc->error);
    return nullptr;
  }
  HPDF_Dict_AddName(font, "Type", "Font");
  HPDF_Dict_AddName(font, "Subtype", "Type0");
  HPDF_Dict_AddName(font, "Encoding", "Identity-H");
  HPDF_CheckError(&doc->error);
  return font;
}

const char* FontResourceName(HPDF_Page page, HPDF_Dict font) {
  const char* name = HPDF_Page_GetLocalFontName(page, font);
  HPDF_CheckError(page->error);
  return name;
}

namespace {

HPDF_Dict IndirectDict(HPDF_Doc doc) {
  HPDF_Dict dict = HPDF_Dict_New(doc->mmgr);
  if (dict != nullptr && HPDF_Xref_Add(doc->xref, dict) != HPDF_OK) return nullptr;
  return dict;
}

// A stream of the document, compressed when its other streams are.
HPDF_Dict StreamOf(HPDF_Doc doc, const std::string& bytes) {
  HPDF_Dict stream = HPDF_DictStream_New(doc->mmgr, doc->xref);
  if (stream == nullptr) return nullptr;
  if (doc->compression_mode & HPDF_COMP_METADATA) stream->filter = HPDF_STREAM_FILTER_FLATE_DECODE;
  Write(stream->stream, stream->error, bytes.data(), bytes.size());
  return stream;
}

}  // namespace

void FinishTrueTypeFont(HPDF_Doc doc, HPDF_Dict font, const TrueTypeFontData& data) {
  // A face that could not be subset (its file changed during the run) fails as libharu fails
  // a font it cannot embed.
  if (data.fontFile.empty()) {
    HPDF_SetError(&doc->error, HPDF_TTF_CANNOT_EMBEDDING_FONT, 0);
    HPDF_CheckError(&doc->error);
    return;
  }
  HPDF_MMgr mmgr = doc->mmgr;
  HPDF_Dict_AddName(font, "BaseFont", data.baseFont.c_str());

  HPDF_Dict cidFont = IndirectDict(doc);
  HPDF_Dict descriptor = IndirectDict(doc);
  HPDF_Dict file = StreamOf(doc, data.fontFile);
  HPDF_Dict toUnicode = StreamOf(doc, data.toUnicode);
  if (cidFont == nullptr || descriptor == nullptr || file == nullptr || toUnicode == nullptr) {
    HPDF_CheckError(&doc->error);
    return;
  }
  HPDF_Array descendants = HPDF_Array_New(mmgr);
  HPDF_Array_Add(descendants, cidFont);
  HPDF_Dict_Add(font, "DescendantFonts", descendants);
  HPDF_Dict_Add(font, "ToUnicode", toUnicode);

  HPDF_Dict_AddName(cidFont, "Type", "Font");
  HPDF_Dict_AddName(cidFont, "Subtype", "CIDFontType2");
  HPDF_Dict_AddName(cidFont, "BaseFont", data.baseFont.c_str());
  HPDF_Dict system = HPDF_Dict_New(mmgr);
  HPDF_Dict_Add(system, "Registry", HPDF_String_New(mmgr, "Adobe", nullptr));
  HPDF_Dict_Add(system, "Ordering", HPDF_String_New(mmgr, "Identity", nullptr));
  HPDF_Dict_AddNumber(system, "Supplement", 0);
  HPDF_Dict_Add(cidFont, "CIDSystemInfo", system);
  HPDF_Dict_Add(cidFont, "FontDescriptor", descriptor);
  HPDF_Dict_AddName(cidFont, "CIDToGIDMap", "Identity");
  HPDF_Array widths = HPDF_Array_New(mmgr);
  for (const auto& [glyph, width] : data.widths) {
    HPDF_Array_AddNumber(widths, static_cast<HPDF_INT32>(glyph));
    HPDF_Array one = HPDF_Array_New(mmgr);
    HPDF_Array_AddNumber(one, width);
    HPDF_Array_Add(widths, one);
  }
  HPDF_Dict_Add(cidFont, "W", widths);

  HPDF_Dict_AddName(descriptor, "Type", "FontDescriptor");
  HPDF_Dict_AddName(descriptor, "FontName", data.baseFont.c_str());
  // Symbolic (its glyphs are chosen by number), fixed pitch and italic as the face is.
  HPDF_Dict_AddNumber(descriptor, "Flags", 4 | (data.fixedPitch ? 1 : 0) | (data.italicAngle != 0 ? 64 : 0));
  HPDF_Array box = HPDF_Array_New(mmgr);
  for (const int edge : data.box) HPDF_Array_AddNumber(box, edge);
  HPDF_Dict_Add(descriptor, "FontBBox", box);
  HPDF_Dict_AddNumber(descriptor, "ItalicAngle", data.italicAngle);
  HPDF_Dict_AddNumber(descriptor, "Ascent", data.ascent);
  HPDF_Dict_AddNumber(descriptor, "Descent", data.descent);
  HPDF_Dict_AddNumber(descriptor, "CapHeight", data.capHeight);
  HPDF_Dict_AddNumber(descriptor, "StemV", 80);
  HPDF_Dict_Add(descriptor, "FontFile2", file);
  HPDF_Dict_AddNumber(file, "Length1", static_cast<HPDF_INT32>(data.fontFile.size()));
  HPDF_CheckError(&doc->error);
}

}  // namespace corvane
