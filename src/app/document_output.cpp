#include "app/document_output.h"

#include "cairo/image_document.h"
#include "model/output_choice.h"
#include "pdf/document_builder.h"
#include "platform/atomic_file.h"
#include "platform/stream_write.h"
#include "platform/text_file.h"
#include "platform/viewer.h"

namespace corvane {
namespace {

// Whether the document can be made in the chosen format, with what it ignores reported.
bool CheckFormat(Run& run, const OutputChoice& output) {
  const ChartSettings& s = run.settings;
  if (output.format != OutputFormat::kPdf) {
    // Never an unprotected file where a protected one was asked for.
    if (!s.OwnerPassword.empty() || !s.UserPassword.empty()) {
      run.log.LogMessage("ERROR: Format - %s files cannot be encrypted", FormatName(output.format));
      return false;
    }
    if (output.format == OutputFormat::kPng) {
      const PixelSize pixels = ImagePixels(s);
      if (pixels.width > kMaxImageSide || pixels.height > kMaxImageSide) {
        run.log.LogMessage("ERROR: Resolution - %ld x %ld pixels is too large a PNG (at most %ld a side)",
                           pixels.width, pixels.height, kMaxImageSide);
        return false;
      }
    }
    for (const std::string& command : s.PdfOnlyCommands) {
      run.log.LogMessage("WARNING: %s applies to PDF output only", command.c_str());
    }
  }
  // A batch's standard output carries its log; its charts have none of their own.
  if (output.standardOutput() && run.standardOutput == nullptr) {
    run.log.LogMessage("ERROR: Output - a chart of a batch cannot write to standard output");
    return false;
  }
  if (s.OpenPDF && output.standardOutput()) {
    run.log.LogMessage("WARNING: OpenPDF - nothing to open: the document goes to standard output");
  }
  return true;
}

// Saves the document in place of its file, or writes it to standard output.
bool Deliver(Run& run, DocumentRun& document, const OutputChoice& output, const std::string& bytes) {
  const char* format = FormatName(output.format);
  if (output.standardOutput()) {
    run.log.LogMessage("Writing %s to standard output", format);
    if (const int error = WriteWhole(run.standardOutput, bytes); error != 0) {
      run.log.LogMessage("ERROR: Output - could not write to standard output, error=%d", error);
      return false;
    }
  } else {
    run.log.LogMessage("Saving %s to [%s]", format, output.fileName.c_str());
    // The document replaces the file whole, so that no failure or kill leaves a truncated one.
    // A batch flushes the files of all its charts to disk at once, at its end.
    const FileFlush flush = run.deferFlushes ? FileFlush::kLater : FileFlush::kNow;
    if (const auto failure = ReplaceFile(output.fileName, bytes, TemporaryFile::kUnnamedWhereSupported, flush)) {
      if (output.format == OutputFormat::kPdf) {
        ReportPdfSaveFailure(document, *failure);
      } else {
        run.log.LogMessage("ERROR: Output - could not save [%s], error=%d", output.fileName.c_str(), failure->error);
      }
      return false;
    }
    if (flush == FileFlush::kLater) run.unflushedFiles.push_back(output.fileName);
  }
  run.log.LogMessage("Save complete");
  return true;
}

}  // namespace

int MakeDocument(Run& run) {
  const OutputChoice output = ChooseOutput(run.settings);
  if (!CheckFormat(run, output)) return 1;

  DocumentRun document = run.Document();
  std::string bytes;
  const int built = output.format == OutputFormat::kPdf ? MakePdfInMemory(document, bytes)
                                                       : MakeImageInMemory(document, output.format, bytes);
  if (built != 0 || !Deliver(run, document, output, bytes)) return 1;

  if (run.settings.OpenPDF && !output.standardOutput()) {
    const char* format = FormatName(output.format);
    run.log.LogMessage("Opening %s in default %s viewer", format, format);
    const int result = OpenInViewer(output.fileName);
    if (result == kViewerOpened) {
      run.log.LogMessage("success");
    } else {
      run.log.LogMessage("failed, error=%d", result);
    }
  }
  return 0;
}

}  // namespace corvane
