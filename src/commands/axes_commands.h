// The axes commands: axis and grid lines, the value-axis scale, and how many divisions,
// category labels and decimal places the axes show.
#pragma once

namespace corvane {

struct CommandContext;

const char* AxesLineCommand(CommandContext& run, const char* args);
const char* AxesScaleCommand(CommandContext& run, const char* args);
const char* AxesDivisionsCommand(CommandContext& run, const char* args);
const char* LabelSpacingCommand(CommandContext& run, const char* args);
const char* CategoryLabelAngleCommand(CommandContext& run, const char* args);
const char* DecimalPointsCommand(CommandContext& run, const char* args);
const char* AxesGridLineStyleCommand(CommandContext& run, const char* args);
const char* AxesGridLineCommand(CommandContext& run, const char* args);

}  // namespace corvane
