// The commands that choose the chart and set up the page around it: chart type and style,
// the chart-area background, page size and colour, and where the heading stands.
#pragma once

namespace corvane {

struct Run;

const char* ChartCommand(Run& run, const char* args);
const char* ChartBackgroundCommand(Run& run, const char* args);
const char* PageCommand(Run& run, const char* args);
const char* ChartHeadingCommand(Run& run, const char* args);

}  // namespace corvane
