// The value range the value axis spans, computed once after the data are read and sorted:
// the data extent, widened or rounded by the AxesScale mode. Every plotter divides by its
// range, so an empty extent is widened rather than left at 0.
#pragma once

#include "model/chart_settings.h"
#include "model/data_table.h"
#include "model/scale_range.h"

namespace corvane {

ScaleRange ComputeScale(const ChartSettings& settings, const DataTable& data);

}  // namespace corvane
