// The pie commands: slice colours and outline, the margin taken off the pie's radius, and
// the slice labels.
#pragma once

namespace corvane {

struct Run;

const char* PieColorCommand(Run& run, const char* args);
const char* PieOutlineColorCommand(Run& run, const char* args);
const char* PiePageMarginCommand(Run& run, const char* args);
const char* PieLabelCommand(Run& run, const char* args);

}  // namespace corvane
