// The commands that choose the chart and set up the page around it: chart type and style,
// the chart-area background, page size and colour, and where the heading stands.
#pragma once

namespace corvane {

struct CommandContext;

const char* ChartCommand(CommandContext& run, const char* args);
const char* ChartBackgroundCommand(CommandContext& run, const char* args);
const char* PageCommand(CommandContext& run, const char* args);
const char* PageMarginCommand(CommandContext& run, const char* args);
const char* ChartHeadingCommand(CommandContext& run, const char* args);

}  // namespace corvane
