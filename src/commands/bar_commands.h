// The bar commands: the colours bars are filled with, their spacing and thickness, their
// labels and their border, where they start and how several series are drawn.
#pragma once

namespace corvane {

struct CommandContext;

const char* BarColorCommand(CommandContext& run, const char* args);
const char* BarSpacingCommand(CommandContext& run, const char* args);
const char* BarSizeCommand(CommandContext& run, const char* args);
const char* BarLabelCommand(CommandContext& run, const char* args);
const char* BarBorderCommand(CommandContext& run, const char* args);
const char* BarBaseCommand(CommandContext& run, const char* args);
const char* BarSeriesCommand(CommandContext& run, const char* args);

}  // namespace corvane
