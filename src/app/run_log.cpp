#include "app/run_log.h"

#include <cstdarg>

#include "platform/compare.h"
#include "platform/format.h"
#include "platform/text_file.h"

namespace corvane {

RunLog::RunLog(const Clock& clock, std::FILE* out, std::FILE* err)
    : clock_(clock), out_(out), err_(err), stream_(out) {}

void RunLog::ReleaseStandardOutput(bool toStandardError) {
  holding_ = false;
  if (keepLines_) return;  // kept for the batch, which reports them
  stream_ = toStandardError ? err_ : out_;
  std::fwrite(held_.data(), 1, held_.size(), stream_);
  std::fflush(stream_);
  held_.clear();
}

void RunLog::LogMessage(const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  const std::string message = EscapeControls(FormatText(format, args));
  va_end(args);

  const DateTime now = clock_.Now().local;
  char stamp[16];
  std::snprintf(stamp, sizeof stamp, "%02d:%02d:%02d ", now.hour, now.minute, now.second);

  if (!logFile.empty()) Append(logFile, stamp + message);

  const std::string line = stamp + message + '\n';
  if (keepLines_) {
    output_ += line;
  } else if (holding_) {
    held_ += line;
  } else {
    std::fwrite(line.data(), 1, line.size(), stream_);
    std::fflush(stream_);
  }

  const bool isError = message.size() >= 6 && EqualsNoCase(std::string_view(message).substr(0, 6), "ERROR:");
  if (isError && !errorsFile.empty()) Append(errorsFile, message);
  if (isError && !traceFile_.empty()) Append(traceFile_, message);
}

void RunLog::ErrorsOnly(const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  const std::string message = EscapeControls(FormatText(format, args));
  va_end(args);
  if (!errorsFile.empty()) Append(errorsFile, message);
}

void RunLog::Append(const std::string& path, const std::string& text) {
  if (keepLines_) {
    fileLines_.push_back({path, text});
  } else {
    AppendLine(path, text);
  }
}

}  // namespace corvane
