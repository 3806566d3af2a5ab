// How the PDF library's failures reach the run: the library calls one handler for every
// error; it logs the error by name and abandons the document being built. The handler
// cannot return to the library, which would carry on with a broken document, so it throws
// a type that only it can create and only MakePDF catches.
#pragma once

#include <hpdf.h>

namespace corvane {

struct PdfErrorEntry {
  const char* name;  // the library's name without its "HPDF_" prefix
  HPDF_STATUS code;
};

inline constexpr int kPdfErrorCount = 97;

// The library's error codes and their names, ended by an entry with a null name.
extern const PdfErrorEntry PdfErrorNames[kPdfErrorCount + 1];

// The name of the code, or "UNKNOWN" for a code the table does not hold.
const char* PdfErrorName(HPDF_STATUS code);

// The library's error handler; userData is the DocumentRun whose log receives the error.
// Logs it, writes its bare form to the errors file and throws PdfBuildAbandoned.
[[noreturn]] void PdfErrorHandler(HPDF_STATUS error, HPDF_STATUS detail, void* userData);

// Thrown by PdfErrorHandler to leave the library and abandon the document. Nothing but the
// handler can create one, and it derives from nothing, so no other catch intercepts it.
class PdfBuildAbandoned {
 private:
  PdfBuildAbandoned() = default;
  friend void PdfErrorHandler(HPDF_STATUS, HPDF_STATUS, void*);
};

}  // namespace corvane
