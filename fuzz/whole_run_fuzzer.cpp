// Feeds arbitrary bytes to a whole run: commands, options and dataset files, checks, sort,
// scale, and the document with its chart, built into memory. A run that succeeds must give a
// whole PDF whose page holds only finite numbers: a NaN, an infinity or libharu's clamp of
// one is as much a finding as a crash.
//
// Input layout: COMMAND TEXT [SEP OPTIONS BODY [SEP DATASET BODY]], split at the first two
// SEP ("\n--8<--\n"). The bodies become the files o.txt and d.csv of a folder of this
// process's own, the run's current folder, so the command text can say -Options o.txt and
// -Dataset d.csv. The command text arrives as a C string: it ends at its first NUL.
// Having changed folder, libFuzzer needs absolute paths for its corpus and artifacts.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>
#include <string_view>

#include "app/run.h"
#include "fuzz_entry.h"
#include "platform/clock.h"
#include "platform/compare.h"
#include "support/pdf_content.h"

namespace {

constexpr std::string_view kSeparator = "\n--8<--\n";

// Whether a text could make the run reach outside its folder: -Log and -Errors write files,
// -OpenPDF starts the viewer. A command word is matched whole, in ASCII letter case, after a
// '-', and an options file's UTF-8 never decodes to ASCII, so the raw bytes show them all.
// A '/' could name a file elsewhere (say, an options file that logs, or a pipe that never
// ends); without one, a run opens only the two files of its folder.
bool LeavesTheFolder(std::string_view text) {
  if (text.find('/') != std::string_view::npos) return true;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '-') continue;
    for (std::string_view word : {"log", "errors", "openpdf"}) {
      if (corvane::EqualsNoCase(text.substr(i + 1, word.size()), word)) return true;
    }
  }
  return false;
}

// The next part of the input, up to a separator or its end; empty once the input is used up.
std::string_view TakePart(std::string_view& rest) {
  const std::size_t end = rest.find(kSeparator);
  const std::string_view part = rest.substr(0, end);
  rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + kSeparator.size());
  return part;
}

void WriteFile(const char* name, std::string_view contents) {
  std::FILE* file = std::fopen(name, "wb");
  if (file == nullptr) std::abort();
  if (!contents.empty()) std::fwrite(contents.data(), 1, contents.size(), file);  // data() may be null
  std::fclose(file);
}

// This process's folder, made on first use and removed, with the two files, at exit.
const std::string& Folder() {
  static const std::string folder = [] {
    std::string path = (std::filesystem::temp_directory_path() / "corvane-fuzz-XXXXXX").string();
    if (mkdtemp(path.data()) == nullptr) std::abort();
    return path;
  }();
  static const int removal = std::atexit([] { std::filesystem::remove_all(Folder()); });
  (void)removal;
  return folder;
}

bool IsWholePdf(std::string_view pdf) {
  if (pdf.ends_with('\n')) pdf.remove_suffix(1);
  return pdf.starts_with("%PDF-") && pdf.ends_with("%%EOF");
}

// Whether the page's content stream holds only finite numbers where numbers belong. An
// encrypted page cannot be read without its key, and is taken as sound.
bool HasSoundNumbers(const std::string& pdf) {
  if (pdf.find("/Encrypt ") != std::string::npos) return true;
  try {
    return corvane::testing::UnsoundNumbers(corvane::testing::PageContent(pdf)).empty();
  } catch (const std::exception&) {
    return false;  // no page content to be found in a PDF said to be whole
  }
}

}  // namespace

extern "C" int CORVANE_FUZZ_ENTRY(FuzzWholeRun)(const std::uint8_t* data, std::size_t size) {
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  std::string_view text = TakePart(rest);
  const std::string_view options = TakePart(rest);
  text = text.substr(0, text.find('\0'));
  if (LeavesTheFolder(text) || LeavesTheFolder(options)) return 0;

  // Every input, not only the first, since the replaying test suite changes folder back.
  if (chdir(Folder().c_str()) != 0) std::abort();
  WriteFile("o.txt", options);
  WriteFile("d.csv", rest);

  static std::FILE* const devNull = std::fopen("/dev/null", "w");
  const corvane::SystemClock clock;
  corvane::Run run(clock, devNull);
  std::string pdf;
  run.pdfInMemory = &pdf;
  if (corvane::RunSequence(run, std::string(text)) == 0 && (!IsWholePdf(pdf) || !HasSoundNumbers(pdf))) {
    __builtin_trap();
  }
  return 0;
}
