// One run of Corvane: the settings, data table, scale and log that one command line fills,
// passed explicitly to everything that reads or draws them.
#pragma once

#include <cstdio>
#include <span>
#include <string>

#include "app/run_log.h"
#include "model/chart_settings.h"
#include "model/data_table.h"
#include "model/scale_range.h"
#include "pdf/document_run.h"

namespace corvane {

struct Run {
  // Log lines and a document written to standard output go to out; err is standard error.
  Run(const Clock& clock, std::FILE* out, std::FILE* err = stderr) : log(clock, out, err), standardOutput(out) {}

  // The run as the document builder sees it.
  DocumentRun Document() { return DocumentRun{settings, data, scale, log.clock(), log}; }

  ChartSettings settings;
  DataTable data;
  ScaleRange scale;
  RunLog log;
  std::FILE* standardOutput;
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
