// The pie commands: slice colours and outline, the margin taken off the pie's radius, and
// the slice labels.
#pragma once

namespace corvane {

struct CommandContext;

const char* PieColorCommand(CommandContext& run, const char* args);
const char* PieOutlineColorCommand(CommandContext& run, const char* args);
const char* PiePageMarginCommand(CommandContext& run, const char* args);
const char* PieLabelCommand(CommandContext& run, const char* args);

}  // namespace corvane
