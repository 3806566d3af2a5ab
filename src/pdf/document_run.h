// The run as the document builder sees it: the settings, data and scale it draws, the clock
// its creation date is read from, the log every step and every library error goes to, and
// the TrueType fonts its texts may need, and the threads an image may be drawn in.
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
  // How many threads may draw an image: 0 for as many as help (two where there are two
  // processors); a batch, which keeps the processors busy with charts, gives 1.
  int drawingThreads = 0;
};

}  // namespace corvane
