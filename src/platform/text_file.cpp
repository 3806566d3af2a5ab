#include "platform/text_file.h"

#include <sys/stat.h>

#include <cerrno>

#include "platform/encoding.h"

namespace corvane {
namespace {

constexpr std::size_t kMaxPhysicalLine = 1 << 20;

}  // namespace

std::unique_ptr<TextFileReader> TextFileReader::Open(const std::string& path, int& error) {
  std::FILE* stream = std::fopen(path.c_str(), "rb");
  if (stream == nullptr) {
    error = errno;
    return nullptr;
  }
  // A folder opens as a stream on POSIX systems, and a device such as /dev/zero would feed
  // empty lines for ever; neither is a text file.
  struct stat info {};
  if (fstat(fileno(stream), &info) == 0 && (S_ISDIR(info.st_mode) || S_ISCHR(info.st_mode))) {
    std::fclose(stream);
    error = S_ISDIR(info.st_mode) ? EISDIR : ENODEV;
    return nullptr;
  }
  return std::make_unique<TextFileReader>(stream);
}

TextFileReader::TextFileReader(std::FILE* stream) : stream_(stream) {}

TextFileReader::~TextFileReader() {
  if (stream_ != nullptr) std::fclose(stream_);
}

bool TextFileReader::FillLine() {
  std::string raw;
  int c;
  // A line without end is taken in pieces, so memory stays bounded whatever the file holds.
  // Only this reader touches its stream, so getc's lock on every character buys nothing.
  while (raw.size() < kMaxPhysicalLine && (c = getc_unlocked(stream_)) != EOF) {
    raw += static_cast<char>(c);
    if (c == '\n') break;
  }
  if (raw.empty()) return false;
  cut_ = raw.size() == kMaxPhysicalLine && raw.back() != '\n';
  // Editors and spreadsheets often save UTF-8 with a byte-order mark, which is not text.
  if (atStart_ && raw.starts_with("\xEF\xBB\xBF")) {
    atStart_ = false;
    raw.erase(0, 3);
    if (raw.empty()) return FillLine();  // the mark was all the file held
  }
  atStart_ = false;
  if (raw.size() >= 2 && raw[raw.size() - 1] == '\n' && raw[raw.size() - 2] == '\r') {
    raw.erase(raw.size() - 2, 1);
  }
  line_ = ToUtf8(raw);
  served_ = 0;
  return true;
}

bool TextFileReader::ReadLine(std::string& out, std::size_t limit) {
  if (served_ >= line_.size() && !FillLine()) return false;
  const std::string_view rest = std::string_view(line_).substr(served_);
  // A character takes a byte at least: a rest no longer than the limit in bytes fits whole.
  const std::size_t take = rest.size() <= limit - 1 ? rest.size() : CodePointPrefix(rest, limit - 1);
  out.assign(line_, served_, take);
  served_ += take;
  return true;
}

TextFileReader::LineRead TextFileReader::ReadPhysicalLine(std::string& out) {
  if (served_ >= line_.size() && !FillLine()) return LineRead::kEnd;
  out.assign(line_, served_);
  served_ = line_.size();
  if (!cut_) return LineRead::kLine;
  int c;
  while ((c = getc_unlocked(stream_)) != EOF && c != '\n') {
  }
  cut_ = false;
  return LineRead::kTooLong;
}

void AppendLine(const std::string& path, std::string_view text) {
  std::FILE* file = std::fopen(path.c_str(), "a");
  if (file == nullptr) return;
  std::fwrite(text.data(), 1, text.size(), file);
  std::fputc('\n', file);
  std::fclose(file);
}


}  // namespace corvane
