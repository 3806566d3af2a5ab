// One run of Corvane: the settings, data table, scale and log that one command line fills,
// passed explicitly to everything that reads or draws them.
#pragma once

#include <cstdio>
#include <span>
#include <string>
#include <vector>

#include "app/run_log.h"
#include "fonts/font_library.h"
#include "model/chart_settings.h"
#include "model/data_table.h"
#include "model/scale_range.h"
#include "pdf/document_run.h"

namespace corvane {

struct Run {
  // Log lines and a document written to standard output go to out; err is standard error; in
  // is the standard input that "-Dataset -" or "-Options -" may read. Each may be null for a
  // run that has none (a chart of a batch).
  Run(const Clock& clock, std::FILE* out, std::FILE* err = stderr, std::FILE* in = nullptr)
      : log(clock, out, err), standardOutput(out), standardInput(in) {}

  // The run as the document builder sees it.
  DocumentRun Document() { return DocumentRun{settings, data, scale, log.clock(), log, fonts, drawingThreads}; }

  ChartSettings settings;
  DataTable data;
  ScaleRange scale;
  RunLog log;
  std::FILE* standardOutput;
  std::FILE* standardInput;
  FontLibrary fonts;
  // Set by a batch, which flushes the files of all its charts at once: the saved files wait
  // in unflushedFiles.
  bool deferFlushes = false;
  std::vector<std::string> unflushedFiles;
  // Threads an image may be drawn in (see DocumentRun); a batch gives each chart one.
  int drawingThreads = 0;
};

// The run sequence: PrepareChart, then the document built and saved. Returns the exit code: 0
// when the document was saved, 1 otherwise. When the text was joined from arguments, argumentStarts
// holds where each begins in it.
int RunSequence(Run& run, std::string commandLine, std::span<const std::size_t> argumentStarts = {});

// Reads the command text, checks that a chart can be drawn, sorts and scales. Returns 0 when
// the document can be built, 1 after logging why not.
int PrepareChart(Run& run, std::string commandLine, std::span<const std::size_t> argumentStarts = {});

// A whole run from the program's arguments (argv[0] is the program): joins them into the
// command text, refusing one that cannot be passed as one token, runs the sequence and logs
// "Finished". Returns the exit code.
int RunArguments(Run& run, int argc, const char* const* argv);

}  // namespace corvane
