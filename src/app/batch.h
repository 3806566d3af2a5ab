// Many charts in one process: each line of a batch file is the command text of one chart, run
// exactly as a process of its own would run it, with settings, data, scale and log of its own.
// Several threads draw charts at once; what each chart logs comes out whole and in line order,
// as it would with one, and the saved files are flushed to disk together at the end.
#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "platform/atomic_file.h"
#include "platform/clock.h"
#include "platform/text_file.h"

namespace corvane {

// At most this many charts are drawn at a time.
inline constexpr int kMaxJobs = 64;

struct BatchOptions {
  int jobs = 1;           // charts drawn at a time, 1..kMaxJobs
  std::string traceFile;  // for the test suite: the file every chart traces its errors to
  // Flushes the saved files to disk, once, before the batch reports; 0 or the system's error.
  std::function<int(const std::vector<std::string>& paths)> flush = FlushFileSystems;
};

// Runs each line of the file that holds more than blanks and does not begin with '#' (after
// blanks), logging "Batch line %d" before the lines of its chart, and "Batch: %d of %d charts
// saved" last, to out. Returns 0 when every chart was saved and flushed, 1 otherwise.
int RunBatch(const Clock& clock, std::FILE* out, TextFileReader& file, const BatchOptions& options);

// The batch the program's arguments ask for (after the program name): "--batch FILE" and
// optionally "--jobs N", in either order; FILE "-" is standard input (in). Without --jobs, as
// many charts at a time as the process has processors. Returns the exit code.
int RunBatchArguments(const Clock& clock, std::FILE* out, std::FILE* in, int argc, const char* const* argv,
                      const std::string& traceFile);

}  // namespace corvane
