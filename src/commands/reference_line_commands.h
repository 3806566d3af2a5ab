// The reference-line commands: each switches on one of the lines drawn across a line or
// area chart (best fit, average, target, moving average and its markers) and sets its look.
#pragma once

namespace corvane {

struct Run;

const char* LineOfBestFitCommand(Run& run, const char* args);
const char* AverageLineCommand(Run& run, const char* args);
const char* TargetLineCommand(Run& run, const char* args);
const char* MovingAverageLineCommand(Run& run, const char* args);
const char* MovingAverageMarkerCommand(Run& run, const char* args);

}  // namespace corvane
