// One run of Corvane: the settings, data table, scale and log that one command line fills,
// passed explicitly to everything that reads or draws them.
#pragma once

#include <cstdio>
#include <memory>
#include <span>
#include <string>

#include "app/run_log.h"
#include "model/chart_settings.h"
#include "model/data_table.h"
#include "model/scale_range.h"

namespace corvane {

struct Run {
  Run(const Clock& clock, std::FILE* out) : log(clock, out) {}

  ChartSettings settings;
  DataTable data;
  ScaleRange scale;
  RunLog log;
  int optionsDepth = 0;  // options files being read, one inside the other
  int optionsOpened = 0;  // options files opened so far in the run
  // When set, the PDF is built into this string instead of being saved (for the fuzz target).
  std::string* pdfInMemory = nullptr;
};

// The run sequence: reads the command text, checks that a chart can be drawn, sorts, scales
// and builds the PDF. Returns the exit code: 0 when the PDF was saved, 1 otherwise.
// When the text was joined from arguments, argumentStarts holds where each begins in it.
int RunSequence(Run& run, std::string commandLine, std::span<const std::size_t> argumentStarts = {});

// A whole run from the program's arguments (argv[0] is the program): joins them into the
// command text, refusing one that cannot be passed as one token, runs the sequence and logs
// "Finished". Returns the exit code.
int RunArguments(Run& run, int argc, const char* const* argv);

}  // namespace corvane
