// What every drawing operation works on: the surface, the run's settings, data and scale,
// which drawing only reads, the log a chart that cannot be drawn reports to, and the fonts
// its texts are drawn in.
#pragma once

#include "model/chart_settings.h"
#include "model/data_table.h"
#include "model/scale_range.h"
#include "platform/log.h"
#include "render/surface.h"
#include "render/text_fonts.h"

namespace corvane {

struct Canvas {
  Surface& surface;
  const ChartSettings& settings;
  const DataTable& data;
  const ScaleRange& scale;
  Log& log;
  TextFonts& fonts;
};

// The rectangle, in whole page points with the origin at the bottom left, that a chart is
// drawn into. Each layout step narrows it; after the value axis it is the plot area.
struct ChartArea {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

}  // namespace corvane
