// What the whole-run fuzz targets share: the parts of an input, the folder a run works in,
// and the tests of what a run may reach and of what it saved.
//
// Input layout: RUN [SEP OPTIONS BODY [SEP DATASET BODY]], split at the first two SEP
// ("\n--8<--\n"); each target says how it reads RUN. The bodies become the files o.txt and
// d.csv of a folder of this process's own, the run's current folder, so the run can say
// -Options o.txt and -Dataset d.csv. Having changed folder, libFuzzer needs absolute paths
// for its corpus and artifacts.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/compare.h"
#include "support/pdf_content.h"

namespace corvane::fuzz {

inline constexpr std::string_view kSeparator = "\n--8<--\n";

// Whether a text could make the run reach outside its folder: -Log and -Errors write files,
// -OpenPDF starts the viewer. A command word is matched whole, in ASCII letter case, after a
// '-', and an options file's UTF-8 never decodes to ASCII, so the raw bytes show them all.
// A '/' could name a file elsewhere (say, an options file that logs, or a pipe that never
// ends); without one, a run opens only the two files of its folder.
inline bool LeavesTheFolder(std::string_view text) {
  if (text.find('/') != std::string_view::npos) return true;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '-') continue;
    for (std::string_view word : {"log", "errors", "openpdf"}) {
      if (EqualsNoCase(text.substr(i + 1, word.size()), word)) return true;
    }
  }
  return false;
}

// The next part of the input, up to a separator or its end; empty once the input is used up.
inline std::string_view TakePart(std::string_view& rest) {
  const std::size_t end = rest.find(kSeparator);
  const std::string_view part = rest.substr(0, end);
  rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + kSeparator.size());
  return part;
}

inline void WriteFile(const char* name, std::string_view contents) {
  std::FILE* file = std::fopen(name, "wb");
  if (file == nullptr) std::abort();
  if (!contents.empty()) std::fwrite(contents.data(), 1, contents.size(), file);  // data() may be null
  std::fclose(file);
}

// This process's folder, made on first use and removed, with what is in it, at exit.
inline const std::string& Folder() {
  static const std::string folder = [] {
    std::string path = (std::filesystem::temp_directory_path() / "corvane-fuzz-XXXXXX").string();
    if (mkdtemp(path.data()) == nullptr) std::abort();
    return path;
  }();
  static const int removal = std::atexit([] { std::filesystem::remove_all(Folder()); });
  (void)removal;
  return folder;
}

// Moves into the folder and gives it the two files. Every input, not only the first, since
// the replaying test suite changes folder back.
inline void EnterFolderWith(std::string_view options, std::string_view dataset) {
  if (chdir(Folder().c_str()) != 0) std::abort();
  WriteFile("o.txt", options);
  WriteFile("d.csv", dataset);
}

inline bool IsWholePdf(std::string_view pdf) {
  if (pdf.ends_with('\n')) pdf.remove_suffix(1);
  return pdf.starts_with("%PDF-") && pdf.ends_with("%%EOF");
}

// Whether the page's content stream holds only finite numbers where numbers belong: a NaN, an
// infinity or libharu's clamp of one is as much a finding as a crash. An encrypted page cannot
// be read without its key, and is taken as sound.
inline bool HasSoundNumbers(const std::string& pdf) {
  if (pdf.find("/Encrypt ") != std::string::npos) return true;
  try {
    return testing::UnsoundNumbers(testing::PageContent(pdf)).empty();
  } catch (const std::exception&) {
    return false;  // no page content to be found in a PDF said to be whole
  }
}
}  // namespace corvane::fuzz
