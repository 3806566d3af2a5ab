// Where a run's document goes and in which format. The format is the one -Format names, or
// else the one the output name ends in (".png", ".svg", letter case ignored), or PDF; the
// file name gets the format's extension unless it already ends so after at least one other
// character, as ".pdf" always was. The name "-" is standard output.
#pragma once

#include <string>

#include "model/chart_settings.h"

namespace corvane {

struct OutputChoice {
  OutputFormat format = OutputFormat::kPdf;
  std::string fileName;  // empty when the document goes to standard output

  bool standardOutput() const { return fileName.empty(); }
};

OutputChoice ChooseOutput(const ChartSettings& settings);

// "PDF", "PNG" or "SVG": the format's name in messages and in -Format.
const char* FormatName(OutputFormat format);

}  // namespace corvane
