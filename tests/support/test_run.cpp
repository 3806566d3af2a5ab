#include "support/test_run.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "commands/command_reader.h"

namespace corvane::testing {

TestRun::TestRun() : out_(std::tmpfile()), run(clock, out_) {
  if (const char* trace = std::getenv("CORVANE_MESSAGE_TRACE")) run.log.TraceErrorsTo(trace);
}

TestRun::~TestRun() { std::fclose(out_); }

int TestRun::Process(const std::string& text) {
  std::string buffer = text;
  return ProcessCommands(commands, buffer.data());
}

void TestRun::Fill(const std::vector<std::vector<double>>& rows) {
  data.count = static_cast<int>(rows.size());
  data.items.resize(rows.size());
  data.seriesCount = static_cast<int>(rows[0].size());
  for (std::size_t k = 0; k < rows.size(); ++k) {
    // A char, not "I": GCC 12 at -O3 falsely warns (-Wrestrict) about a literal + to_string().
    data.items[k].label = 'I' + std::to_string(k);
    std::copy(rows[k].begin(), rows[k].end(), data.items[k].values.begin());
  }
}

std::vector<std::string> TestRun::Lines() const {
  std::fflush(out_);
  return Unstamped(ReadFile("/proc/self/fd/" + std::to_string(fileno(out_))));
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

std::vector<std::string> Unstamped(const std::string& out) {
  std::vector<std::string> lines;
  std::istringstream in(out);
  for (std::string line; std::getline(in, line);) lines.push_back(line.size() >= 9 ? line.substr(9) : line);
  return lines;
}

}  // namespace corvane::testing
