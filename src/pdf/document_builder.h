// Turns a run's settings and data into its one-page PDF: the document with the library's
// error handler, compression, encryption, fonts, information entries, viewer settings and
// outline; the page with its background, headings and chart. The PDF is built in memory;
// the run sequence saves it. A failure anywhere in the library abandons the whole document.
#pragma once

#include <string>

#include "pdf/document_run.h"
#include "platform/atomic_file.h"

namespace corvane {

// Builds the run's PDF into pdf. Returns 0, or 1 when it could not be built; every failure
// has been logged.
int MakePdfInMemory(DocumentRun& run, std::string& pdf);

// Logs a PDF's failed save as the library reports a file it cannot open or write, with the
// bare reason in the errors file, as a failed save always was.
void ReportPdfSaveFailure(DocumentRun& run, const FileReplaceFailure& failure);

}  // namespace corvane
