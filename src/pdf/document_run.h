// The run as the document builder sees it: the settings, data and scale it draws, the clock
// its creation date is read from, the log every step and every library error goes to, and
// whether the saved file is flushed to disk at once.
#pragma once

#include <string>
#include <vector>

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
  // Where the saved file's path goes when its flush to disk is left for later (a batch flushes
  // all its charts at once); null to flush it before it takes its name.
  std::vector<std::string>* unflushedFiles = nullptr;
};

}  // namespace corvane
