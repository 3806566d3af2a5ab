// The commands for the text around the chart: heading and axis-label fonts, axis captions,
// the item and data-series legends, the side of the value-axis labels and the series names.
#pragma once

namespace corvane {

struct CommandContext;

const char* HeadingTitleCommand(CommandContext& run, const char* args);
const char* HeadingSubTitleCommand(CommandContext& run, const char* args);
const char* AxesLabelXCommand(CommandContext& run, const char* args);
const char* AxesLabelYCommand(CommandContext& run, const char* args);
const char* AxesCaptionXCommand(CommandContext& run, const char* args);
const char* AxesCaptionYCommand(CommandContext& run, const char* args);
const char* LegendCommand(CommandContext& run, const char* args);
const char* DataSeriesLegendCommand(CommandContext& run, const char* args);
const char* AxesLabelYPositionCommand(CommandContext& run, const char* args);
// Takes every remaining token of the text as a label, so it belongs last on its line.
const char* DataSeriesLabelCommand(CommandContext& run, const char* args);
// -Font NAME FILE: a TrueType font file (FILE:INDEX for a face of a collection) usable by NAME
// wherever a font name is read.
const char* FontCommand(CommandContext& run, const char* args);

}  // namespace corvane
