#include "support/process.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <regex>

#include "support/test_run.h"

namespace corvane::testing {

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::string& workingDir, const std::vector<std::string>& extraEnv,
                         const std::string& input) {
  TempDir capture;
  const std::string outPath = capture.File("out");
  const std::string errPath = capture.File("err");
  // A program never waits for a terminal: its standard input is the input given, or empty.
  const std::string inPath = capture.Write("in", input);

  const pid_t pid = fork();
  if (pid == 0) {
    const int in = open(inPath.c_str(), O_RDONLY);
    const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(in, 0);
    dup2(out, 1);
    dup2(err, 2);
    if (!workingDir.empty() && chdir(workingDir.c_str()) != 0) _exit(127);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    for (const std::string& entry : extraEnv) putenv(const_cast<char*>(entry.c_str()));
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  ProcessResult result;
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  result.out = ReadFile(outPath);
  result.err = ReadFile(errPath);
  return result;
}

ProcessResult RunCorvane(const std::vector<std::string>& args, const std::string& workingDir,
                         const std::vector<std::string>& extraEnv, const std::string& input) {
  return RunProcess(CORVANE_EXE, args, workingDir, extraEnv, input);
}

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\'' || c == '"') {
      const std::size_t end = text.find(c, i + 1);
      word += text.substr(i + 1, end - i - 1);
      i = end == std::string::npos ? text.size() : end;
      inWord = true;
    } else if (std::isspace(static_cast<unsigned char>(c))) {
      if (inWord) words.push_back(word);
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words.push_back(word);
  return words;
}

std::string Expand(std::string text) {
  const std::regex repeat("\\{([^{}*]+)\\*([0-9]+)\\}");
  for (std::smatch m; std::regex_search(text, m, repeat);) {
    std::string repeated;
    for (int n = std::stoi(m[2]); n > 0; --n) repeated += m[1];
    text.replace(m.position(), m.length(), repeated);
  }
  return text;
}

}  // namespace corvane::testing
