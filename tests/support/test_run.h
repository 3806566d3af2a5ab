// A run for unit tests: a fixed clock, standard output captured so tests can compare whole log
// lines, and the error messages traced as the test suite's message coverage check asks.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "app/run.h"
#include "commands/command_context.h"
#include "platform/clock.h"

namespace corvane::testing {

class FixedClock final : public Clock {
 public:
  Moment Now() const override { return moment; }
  Moment moment{{2026, 12, 6, 14, 3, 9}, {2026, 12, 6, 13, 3, 9}};
};

class TestRun {
 public:
  TestRun();
  ~TestRun();
  TestRun(const TestRun&) = delete;
  TestRun& operator=(const TestRun&) = delete;

  // ProcessCommands on a copy of the text; returns its result.
  int Process(const std::string& text);

  // Fills the data table with the rows of series values, one row per item, labelled I0, I1 ...
  void Fill(const std::vector<std::vector<double>>& rows);

  // The lines written to standard output so far, without their time stamps.
  std::vector<std::string> Lines() const;
  // The last of them, or "" when nothing was logged.
  std::string LastLine() const;

  FixedClock clock;

 private:
  std::FILE* out_;

 public:
  Run run;
  ChartSettings& settings = run.settings;
  DataTable& data = run.data;
  CommandContext commands{run.settings, run.data, run.log, run.fonts};  // what Process reads with
  DocumentRun document = run.Document();
};

// A fresh, empty folder for one test's files, removed with everything in it afterwards.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }
  // Writes a file in the folder and returns its path.
  std::string Write(const std::string& name, const std::string& contents) const;

 private:
  std::string path_;
};

std::string ReadFile(const std::string& path);

// The lines of a program's output with the "hh:mm:ss " stamps removed.
std::vector<std::string> Unstamped(const std::string& out);

}  // namespace corvane::testing
