// qpdf's --check, run in the test process through its library: the same checks as the qpdf
// command makes, without starting a process for each of the many drawings the batteries make.
#pragma once

#include <string>

namespace corvane::testing {

struct QpdfResult {
  int exitCode = 2;  // qpdf's: 0 sound, 2 errors, 3 warnings
  std::string out;   // what qpdf wrote, or why it stopped
};

QpdfResult QpdfCheck(const std::string& file);

}  // namespace corvane::testing
