// The run's only voice: every progress line and error goes to standard output (standard error
// when the document itself goes to standard output), to the log file and (errors only) to the
// errors file. Files are opened and closed for every line, so a log shared by several runs
// holds whole lines and nothing stays open.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/log.h"

namespace corvane {

class RunLog final : public Log {
 public:
  // Lines for standard output go to out, converted to UTF-8; err is standard error, which takes
  // them instead when the document goes to standard output. Both may be null for a log that
  // keeps its lines.
  RunLog(const Clock& clock, std::FILE* out, std::FILE* err = stderr);

  // Stamps the message with the local time and writes it to standard output and the log
  // file; a message beginning with "ERROR:" is also written, unstamped, to the errors file.
  // Control characters in it (from a file name, an argument, a file's line) are written as
  // escapes, so that no text can forge a line or reach a terminal as a control.
  void LogMessage(const char* format, ...) override CORVANE_PRINTF(2, 3);

  // Writes the message, unstamped, to the errors file only.
  void ErrorsOnly(const char* format, ...) override CORVANE_PRINTF(2, 3);

  void SetLogFile(const std::string& name) override { logFile = name; }
  void SetErrorsFile(const std::string& name) override { errorsFile = name; }

  // For the test suite, which learns from the trace which messages its tests produce: every
  // error message is appended to the file as well.
  void TraceErrorsTo(const std::string& file) { traceFile_ = file; }

  // From now on the lines for standard output are kept, in order, instead of written: until
  // the command text has been read, it is not known whether standard output is free for them.
  void HoldStandardOutput() { holding_ = true; }
  // Writes the kept lines, and from now on each line at once, to standard output, or to
  // standard error when the document is to take standard output.
  void ReleaseStandardOutput(bool toStandardError);

  // The clock the stamps are read from; the document's creation date uses the same one.
  const Clock& clock() const { return clock_; }

  // A line for the log, errors or trace file.
  struct FileLine {
    std::string path;
    std::string text;
  };
  // From now on the lines are kept, in order, instead of written, until taken: the text for
  // standard output as it would have been written, and the lines for files. A batch writes them
  // once the charts of the lines before have written theirs, so that charts drawn in threads
  // at once still report, and fill a shared log file, in line order.
  void KeepLines() { keepLines_ = true; }
  std::string TakeOutput() { return std::move(output_); }
  std::vector<FileLine> TakeFileLines() { return std::move(fileLines_); }

  // Set by the log and errors commands; empty means no such file.
  std::string logFile;
  std::string errorsFile;

 private:
  void Append(const std::string& path, const std::string& text);

  const Clock& clock_;
  std::FILE* out_;
  std::FILE* err_;
  std::FILE* stream_;  // where lines for standard output are written: out_ or err_
  bool holding_ = false;
  std::string held_;
  std::string traceFile_;
  bool keepLines_ = false;
  std::string output_;
  std::vector<FileLine> fileLines_;
};

}  // namespace corvane
