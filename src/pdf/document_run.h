// The run as the document builder sees it: the settings, data and scale it draws, the clock
// its creation date is read from, the log every step and every library error goes to, and
// the TrueType fonts its texts may need.
#pragma once

#include "fonts/font_library.h"
#include "model/chart_settings.h"
#include "model/data_table.h"
#include "model/scale_range.h"
#include "platform/clock.h"
#include "platform/log.h"

namespace corvane {

struct DocumentRun {
  const ChartSettings& settings;
  const DataTable& data;
  const ScaleRange& scale;
  const Clock& clock;
  Log& log;
  FontLibrary& fonts;
};

}  // namespace corvane
