// The bytes of a PDF text string (document information, outline titles) for a UTF-8 text: a
// reader shows exactly the typed text. PDFDocEncoding when every character has a code there,
// which leaves ASCII texts byte for byte as they were; otherwise UTF-16BE after its byte-order
// mark, for any Unicode text.
#pragma once

#include <string>
#include <string_view>

namespace corvane {

struct PdfTextString {
  std::string bytes;
  bool utf16 = false;  // the bytes hold NULs, so they must be written as a hexadecimal string
};

PdfTextString ToPdfTextString(std::string_view utf8);

}  // namespace corvane
