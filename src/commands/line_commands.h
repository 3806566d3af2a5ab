// The series commands of line and area charts: line colour and thickness per series, point
// markers per series, and the area's outline and fill.
#pragma once

namespace corvane {

struct CommandContext;

const char* LineCommand(CommandContext& run, const char* args);
const char* LineMarkerCommand(CommandContext& run, const char* args);
const char* AreaCommand(CommandContext& run, const char* args);

// Line thicknesses, widths and marker sizes must be greater than 0.0 and at most 100.0.
bool IsValidThickness(double value);

}  // namespace corvane
