// The bar commands: the colours bars are filled with, their spacing and thickness, their
// labels and their border.
#pragma once

namespace corvane {

struct Run;

const char* BarColorCommand(Run& run, const char* args);
const char* BarSpacingCommand(Run& run, const char* args);
const char* BarSizeCommand(Run& run, const char* args);
const char* BarLabelCommand(Run& run, const char* args);
const char* BarBorderCommand(Run& run, const char* args);

}  // namespace corvane
