#include "support/process.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <regex>
#include <sstream>

#include "support/test_run.h"

extern char** environ;

namespace corvane::testing {

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::string& workingDir, const std::vector<std::string>& extraEnv) {
  TempDir capture;
  const std::string outPath = capture.File("out");
  const std::string errPath = capture.File("err");

  std::vector<std::string> env;
  for (char** e = environ; *e != nullptr; ++e) {
    const std::string entry = *e;
    bool replaced = false;
    for (const std::string& extra : extraEnv) {
      const auto name = extra.substr(0, extra.find('=') + 1);
      if (entry.rfind(name, 0) == 0) replaced = true;
    }
    if (!replaced) env.push_back(entry);
  }
  env.insert(env.end(), extraEnv.begin(), extraEnv.end());

  const pid_t pid = fork();
  if (pid == 0) {
    const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(out, 1);
    dup2(err, 2);
    if (!workingDir.empty() && chdir(workingDir.c_str()) != 0) _exit(127);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    execve(program.c_str(), argv.data(), envp.data());
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
                         const std::vector<std::string>& extraEnv) {
  return RunProcess(CORVANE_EXE, args, workingDir, extraEnv);
}

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  std::istringstream in(text);
  for (std::string word; in >> word;) words.push_back(word);
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

std::vector<std::string> Unstamped(const std::string& out) {
  std::vector<std::string> lines;
  std::istringstream in(out);
  std::string line;
  while (std::getline(in, line)) lines.push_back(line.size() >= 9 ? line.substr(9) : line);
  return lines;
}

}  // namespace corvane::testing
