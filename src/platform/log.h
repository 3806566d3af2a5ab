// The run's voice, which every part reports to: progress lines, and errors, which begin with
// "ERROR: " and end the run. Behind an interface so that the commands and the drawing need
// not know where the lines go.
#pragma once

#include <string>

#define CORVANE_PRINTF(fmt, args) __attribute__((format(printf, fmt, args)))

namespace corvane {

class Log {
 public:
  virtual ~Log() = default;

  // One line, printf-formatted: to standard output and the log file, and, when it begins with
  // "ERROR:", to the errors file as well.
  virtual void LogMessage(const char* format, ...) CORVANE_PRINTF(2, 3) = 0;

  // One line for the errors file only.
  virtual void ErrorsOnly(const char* format, ...) CORVANE_PRINTF(2, 3) = 0;

  // Name the files the lines after this one go to; "" for none.
  virtual void SetLogFile(const std::string& name) = 0;
  virtual void SetErrorsFile(const std::string& name) = 0;
};

// A log that reports nothing: for a drawing made again, whose first making has said what
// there was to say.
class SilentLog final : public Log {
 public:
  void LogMessage(const char*, ...) override {}
  void ErrorsOnly(const char*, ...) override {}
  void SetLogFile(const std::string&) override {}
  void SetErrorsFile(const std::string&) override {}
};

}  // namespace corvane
