// The axes commands: axis and grid lines, the value-axis scale, and how many divisions,
// category labels and decimal places the axes show.
#pragma once

namespace corvane {

struct Run;

const char* AxesLineCommand(Run& run, const char* args);
const char* AxesScaleCommand(Run& run, const char* args);
const char* AxesDivisionsCommand(Run& run, const char* args);
const char* LabelSpacingCommand(Run& run, const char* args);
const char* DecimalPointsCommand(Run& run, const char* args);
const char* AxesGridLineStyleCommand(Run& run, const char* args);
const char* AxesGridLineCommand(Run& run, const char* args);

}  // namespace corvane
