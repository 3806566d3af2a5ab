// The reference-line commands: each switches on one of the lines drawn across a line or
// area chart (best fit, average, target, moving average and its markers) and sets its look.
#pragma once

namespace corvane {

struct CommandContext;

const char* LineOfBestFitCommand(CommandContext& run, const char* args);
const char* AverageLineCommand(CommandContext& run, const char* args);
const char* TargetLineCommand(CommandContext& run, const char* args);
const char* MovingAverageLineCommand(CommandContext& run, const char* args);
const char* MovingAverageMarkerCommand(CommandContext& run, const char* args);

}  // namespace corvane
