// The commands for the text around the chart: heading and axis-label fonts, axis captions,
// the item and data-series legends, the side of the value-axis labels and the series names.
#pragma once

namespace corvane {

struct Run;

const char* HeadingTitleCommand(Run& run, const char* args);
const char* HeadingSubTitleCommand(Run& run, const char* args);
const char* AxesLabelXCommand(Run& run, const char* args);
const char* AxesLabelYCommand(Run& run, const char* args);
const char* AxesCaptionXCommand(Run& run, const char* args);
const char* AxesCaptionYCommand(Run& run, const char* args);
const char* LegendCommand(Run& run, const char* args);
const char* DataSeriesLegendCommand(Run& run, const char* args);
const char* AxesLabelYPositionCommand(Run& run, const char* args);
// Takes every remaining token of the text as a label, so it belongs last on its line.
const char* DataSeriesLabelCommand(Run& run, const char* args);

}  // namespace corvane
