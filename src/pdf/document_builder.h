// Turns a run's settings and data into its one-page PDF: the document with the library's
// error handler, compression, encryption, fonts, information entries, viewer settings and
// outline; the page with its background, headings and chart; the save; and, on request,
// the viewer. A failure anywhere in the library abandons the whole document.
#pragma once

#include <string>

#include "pdf/document_run.h"

namespace corvane {

// The name the PDF is saved under: the output name, with ".pdf" added unless it already
// ends so (letter case ignored) after at least one other character.
std::string PdfFileName(const std::string& output);

// Builds and saves the run's PDF, then opens it in the viewer when asked. Returns 0 when
// the file was saved, 1 when not; every failure has been logged.
int MakePDF(DocumentRun& run);

// For the whole-run fuzz target, which must not write files: MakePDF with the document built
// into pdf instead of saved.
int MakePdfInMemory(DocumentRun& run, std::string& pdf);

}  // namespace corvane
