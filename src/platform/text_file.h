// Text files as the run reads and writes them: options and dataset files are read line by
// line with a length limit, log files are appended to a line at a time. Reading behaves
// like a Windows C runtime in text mode, so files written on Windows read like Unix files.
// Lines are UTF-8 inside; a file name reaches the file system as the bytes it holds.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace corvane {

class TextFileReader {
 public:
  // Opens a file for reading; on failure returns null and sets error to the system's number.
  static std::unique_ptr<TextFileReader> Open(const std::string& path, int& error);

  // Reads from an already open stream, which the reader then owns and closes.
  explicit TextFileReader(std::FILE* stream);
  ~TextFileReader();
  TextFileReader(const TextFileReader&) = delete;
  TextFileReader& operator=(const TextFileReader&) = delete;

  // Reads like fgets with a buffer of limit characters: up to limit - 1 characters, stopping
  // after a newline. A CR LF pair arrives as one newline; a line longer than the limit arrives
  // in several reads, never splitting a character. A physical line that is not valid UTF-8 is
  // read as Windows-1252; a UTF-8 byte-order mark at the start of the file is skipped.
  // Returns false at the end of the file.
  bool ReadLine(std::string& out, std::size_t limit);

  // Reads one whole physical line as ReadLine does, newline included. A line longer than the
  // bound of 1 MiB is passed over to its end and reported as too long, so a file's lines keep
  // their numbers.
  enum class LineRead { kLine, kEnd, kTooLong };
  LineRead ReadPhysicalLine(std::string& out);

 private:
  bool FillLine();

  std::FILE* stream_;
  std::string line_;        // the current physical line, converted, newline included
  std::size_t served_ = 0;  // how much of line_ earlier reads have taken
  bool atStart_ = true;     // no line read yet
  bool cut_ = false;        // line_ is the first piece of a line longer than the bound
};

// Opens a file for appending (creating it if missing), writes the text and a newline, and
// closes it. A file that cannot be opened is passed over silently.
void AppendLine(const std::string& path, std::string_view text);


}  // namespace corvane
