// Process entry: turns the arguments into the command text of one run.
#include <cstdio>
#include <cstdlib>
#include <cstring>

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
               "       corvane --help | --version\n\n"
               "Example:\n"
               "  corvane -Chart Bar V -BarColor '#3366CC' '#99CCFF' -Datum North 12.5 \\\n"
               "          -Datum South 8 -Title Sales -Output sales\n\n"
               "Formats: -Output sales.png or sales.svg writes a PNG or an SVG of the same page\n"
               "(-Format PDF|PNG|SVG whatever the name ends in; -Resolution DPI, 36-1200,\n"
               "default 96, for a PNG). -Output - writes the document to standard output and\n"
               "the log to standard error.\n\n"
               "Exit code 0 when the document was saved, 1 otherwise.\n"
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
  corvane::Run run(clock, stdout);
  // The test suite names a file in which each run it starts keeps the error messages it logged.
  if (const char* trace = std::getenv("CORVANE_MESSAGE_TRACE")) run.log.TraceErrorsTo(trace);
  return corvane::RunArguments(run, argc, argv);
}
