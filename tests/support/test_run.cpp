#include "support/test_run.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "commands/command_reader.h"

namespace corvane::testing {

TestRun::TestRun() : out_(std::tmpfile()), run(clock, out_) {}

TestRun::~TestRun() { std::fclose(out_); }

int TestRun::Process(const std::string& text) {
  std::string buffer = text;
  return ProcessCommands(run, buffer.data());
}

std::vector<std::string> TestRun::Lines() const {
  std::fflush(out_);
  std::rewind(out_);
  std::vector<std::string> lines;
  std::string line;
  int c;
  while ((c = std::fgetc(out_)) != EOF) {
    if (c == '\n') {
      // Every line starts with the stamp "hh:mm:ss ".
      lines.push_back(line.size() >= 9 ? line.substr(9) : line);
      line.clear();
    } else {
      line += static_cast<char>(c);
    }
  }
  std::fseek(out_, 0, SEEK_END);
  return lines;
}

std::string TestRun::LastLine() const {
  const auto lines = Lines();
  return lines.empty() ? std::string() : lines.back();
}

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "corvane-test-XXXXXX").string();
  path_ = mkdtemp(pattern.data());
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::Write(const std::string& name, const std::string& contents) const {
  const std::string path = File(name);
  std::ofstream(path, std::ios::binary) << contents;
  return path;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace corvane::testing
