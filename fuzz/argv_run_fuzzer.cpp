// Feeds arbitrary arguments to a whole run as the program receives them, one string each, so
// that joining and quoting are fuzzed with the rest, and the PDF is saved as a run saves it.
//
// Input layout: ARGUMENTS [SEP OPTIONS BODY [SEP DATASET BODY]] (see run_folder.h), the
// arguments separated by NUL bytes (which no argument can hold).
//
// Inputs that could legitimately reach outside the folder are passed over: an argument with a
// '/', one that is itself a -Log, -Errors or -OpenPDF command, and a body that names them. Of
// every other run it checks that
// - each argument reads back from the command text as exactly its own token, or is refused;
// - no log or errors file, and no viewer, was asked for (nothing read as commands that no
//   argument gave), and the folder holds nothing but the two files and, after a run that
//   exited 0, the one PDF it named, whole, with only finite numbers in its page;
// - every line of standard output begins with its time stamp and holds no control character.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "app/run.h"
#include "commands/command_reader.h"
#include "fuzz_entry.h"
#include "model/output_choice.h"
#include "platform/clock.h"
#include "platform/command_line.h"
#include "platform/compare.h"
#include "platform/encoding.h"
#include "platform/text_file.h"
#include "run_folder.h"
#include "support/pdf_content.h"

namespace {

using namespace corvane::fuzz;

void Check(bool sound) {
  if (!sound) __builtin_trap();
}

// An argument that is a command reaching outside the folder, as the reader takes a word: up
// to the first byte it counts as a blank.
bool ReachesOut(std::string_view argument) {
  if (argument.find('/') != std::string_view::npos) return true;
  if (!argument.starts_with('-')) return false;
  std::size_t end = 1;
  while (end < argument.size() && !corvane::IsBlank(argument[end])) ++end;
  const std::string_view word = argument.substr(1, end - 1);
  return corvane::EqualsNoCase(word, "log") || corvane::EqualsNoCase(word, "errors") ||
         corvane::EqualsNoCase(word, "openpdf");
}

// Each argument sits at its start as exactly one token: bare, or in quotes when it must be,
// one blank from the one before.
void CheckEachArgumentIsOneToken(const std::vector<std::string>& arguments, const corvane::CommandLine& line) {
  if (line.refusedArgument != 0) {
    const std::string& refused = arguments[static_cast<std::size_t>(line.refusedArgument) - 1];
    Check(corvane::ToUtf8(refused).find('"') != std::string::npos);
    return;
  }
  Check(line.argumentStarts.size() == arguments.size());
  for (std::size_t k = 0; k < arguments.size(); ++k) {
    const std::string argument = corvane::ToUtf8(arguments[k]);
    const std::size_t start = line.argumentStarts[k];
    Check(k == 0 ? start == 0 : line.text[start - 1] == ' ');
    std::string token;
    const char* next = corvane::ReadLabel(line.text.c_str() + start, token);
    if (argument.size() <= 100) Check(next != nullptr && token == argument);
    const std::size_t end = k + 1 < arguments.size() ? line.argumentStarts[k + 1] - 1 : line.text.size();
    const std::string_view written = std::string_view(line.text).substr(start, end - start);
    Check(written == argument || written == '"' + argument + '"');
  }
}

void CheckLogLines(const std::string& out) {
  Check(out.empty() || out.ends_with('\n'));
  std::size_t start = 0;
  while (start < out.size()) {
    const std::size_t end = out.find('\n', start);
    const std::string_view line = std::string_view(out).substr(start, end - start);
    Check(line.size() >= 9 && line[2] == ':' && line[5] == ':' && line[8] == ' ');
    for (const char c : line) Check(static_cast<unsigned char>(c) >= 0x20 ? c != 0x7F : c == '\t');
    start = end + 1;
  }
}

std::set<std::string> FilesHere() {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(".")) names.insert(entry.path().filename());
  return names;
}

// A whole document of its format: a PDF with finite numbers only, a PNG, an SVG.
void CheckDocument(corvane::OutputFormat format, const std::string& bytes) {
  switch (format) {
    case corvane::OutputFormat::kPdf:
      Check(IsWholePdf(bytes) && HasSoundNumbers(bytes));
      break;
    case corvane::OutputFormat::kPng:
      Check(bytes.starts_with("\x89PNG\r\n\x1a\n") && bytes.ends_with(std::string("IEND\xae\x42\x60\x82", 8)));
      break;
    case corvane::OutputFormat::kSvg:
      Check(bytes.starts_with("<?xml") && bytes.ends_with("</svg>\n"));
      break;
  }
}

void CheckSavedDocument(const corvane::OutputChoice& output) {
  std::ifstream file(output.fileName, std::ios::binary);
  CheckDocument(output.format, std::string{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()});
}

}  // namespace

extern "C" int CORVANE_FUZZ_ENTRY(FuzzArgvRun)(const std::uint8_t* data, std::size_t size) {
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  const std::string_view text = TakePart(rest);
  const std::string_view options = TakePart(rest);
  if (text.empty() || LeavesTheFolder(options) || LeavesTheFolder(rest)) return 0;
  std::vector<std::string> arguments;
  for (std::size_t start = 0; start <= text.size();) {
    const std::size_t end = std::min(text.find('\0', start), text.size());
    arguments.emplace_back(text.substr(start, end - start));
    if (ReachesOut(arguments.back())) return 0;
    start = end + 1;
  }

  EnterFolderWith(options, rest);
  for (const std::string& name : FilesHere()) {
    if (name != "o.txt" && name != "d.csv") std::filesystem::remove_all(name);
  }
  std::vector<const char*> argv{"corvane"};
  for (const std::string& argument : arguments) argv.push_back(argument.c_str());
  CheckEachArgumentIsOneToken(arguments, corvane::CommandLineText(static_cast<int>(argv.size()), argv.data()));

  char* out = nullptr;
  std::size_t outSize = 0;
  std::FILE* stream = open_memstream(&out, &outSize);
  char* err = nullptr;
  std::size_t errSize = 0;
  std::FILE* errStream = open_memstream(&err, &errSize);
  int exitCode;
  corvane::OutputChoice output;
  {
    const corvane::SystemClock clock;
    corvane::Run run(clock, stream, errStream);
    exitCode = corvane::RunArguments(run, static_cast<int>(argv.size()), argv.data());
    Check(run.log.logFile.empty() && run.log.errorsFile.empty() && run.settings.OpenPDF == 0);
    output = corvane::ChooseOutput(run.settings);
    std::set<std::string> expected{"o.txt", "d.csv"};
    if (exitCode == 0 && !output.standardOutput()) {
      expected.insert(output.fileName);
      CheckSavedDocument(output);
    }
    Check(FilesHere() == expected);
  }
  std::fclose(stream);
  std::fclose(errStream);
  // With "-Output -" standard output holds the document alone, or nothing, and the log goes to
  // standard error.
  if (output.standardOutput()) {
    Check(exitCode == 0 ? outSize > 0 : outSize == 0);
    if (exitCode == 0) CheckDocument(output.format, std::string(out, outSize));
    CheckLogLines(std::string(err, errSize));
  } else {
    Check(errSize == 0);
    CheckLogLines(std::string(out, outSize));
  }
  std::free(out);
  std::free(err);
  return 0;
}
