// Process entry: turns the arguments into the command text of one run, or runs a batch of them.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/batch.h"
#include "app/run.h"
#include "model/chart_settings.h"
#include "platform/clock.h"

namespace {

void PrintAbout(std::FILE* out) {
  std::fprintf(out,
               "Corvane by Tessaly\n\n"
               "This version of Corvane from Tessaly is the command line version.\n\n"
               "Other versions of the program are found on our web site: %s\n",
               corvane::kWebAddress);
}

void PrintUsage(std::FILE* out) {
  std::fprintf(out,
               "\nUsage: corvane -Command [arguments] [-Command [arguments] ...]\n"
               "       corvane -Options FILE\n"
               "       corvane --batch FILE [--jobs N]\n"
               "       corvane --help | --version\n\n"
               "Example:\n"
               "  corvane -Chart Bar V -BarColor '#3366CC' '#99CCFF' -Datum North 12.5 \\\n"
               "          -Datum South 8 -Title Sales -Output sales\n\n"
               "Formats: -Output sales.png or sales.svg writes a PNG or an SVG of the same page\n"
               "(-Format PDF|PNG|SVG whatever the name ends in; -Resolution DPI, 36-1200,\n"
               "default 96, for a PNG). -Output - writes the document to standard output and\n"
               "the log to standard error.\n\n"
               "Data from a CSV file with a header row, its columns chosen by name:\n"
               "  corvane -Chart Line Standard -DatasetColumns Month Sales Costs \\\n"
               "          -Dataset sales.csv -Output sales\n\n"
               "A file name '-' for -Dataset or -Options reads standard input (once per run):\n"
               "  export-sales | corvane -Chart Bar V -BarColor '#3366CC' '#99CCFF' \\\n"
               "          -Dataset - -Output sales\n\n"
               "--batch FILE draws one chart for each line of FILE ('-': standard input), as if\n"
               "each line were the arguments of a run of its own; lines starting with '#' are\n"
               "comments. --jobs N draws N charts at a time (default: one per processor).\n\n"
               "Exit code 0 when the document was saved (with --batch: every one), 1 otherwise.\n"
               "See corvane(1) for every command with its arguments and defaults: man corvane\n");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
    PrintAbout(stdout);
    PrintUsage(stdout);
    return 0;
  }
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("corvane %s\n", corvane::kVersion);
    return 0;
  }
  if (argc < 2) {
    PrintAbout(stderr);
    return 1;
  }
  const corvane::SystemClock clock;
  // The test suite names a file in which each run it starts keeps the error messages it logged.
  const char* trace = std::getenv("CORVANE_MESSAGE_TRACE");
  if (std::strcmp(argv[1], "--batch") == 0 || std::strcmp(argv[1], "--jobs") == 0) {
    return corvane::RunBatchArguments(clock, stdout, stdin, argc - 1, argv + 1, trace != nullptr ? trace : "");
  }
  corvane::Run run(clock, stdout, stderr, stdin);
  if (trace != nullptr) run.log.TraceErrorsTo(trace);
  return corvane::RunArguments(run, argc, argv);
}
