#include "support/qpdf_check.h"

#include <qpdf/QPDFJob.hh>
#include <qpdf/QPDFLogger.hh>

#include <exception>
#include <sstream>

namespace corvane::testing {

QpdfResult QpdfCheck(const std::string& file) {
  std::ostringstream out;
  QpdfResult result;
  // The command reports a file it cannot read at all by the exception its library throws.
  try {
    QPDFJob job;
    const std::shared_ptr<QPDFLogger> logger = QPDFLogger::create();
    logger->setOutputStreams(&out, &out);
    job.setLogger(logger);
    const char* argv[] = {"qpdf", "--check", file.c_str(), nullptr};
    job.initializeFromArgv(argv);
    job.run();
    result.exitCode = job.getExitCode();
  } catch (const std::exception& e) {
    out << e.what();
  }
  result.out = out.str();
  return result;
}

}  // namespace corvane::testing
