// What the command handlers read into and report to: the run's settings and data table, its
// log, and how deep options files are nested; nothing else of the run is theirs. Handlers
// call it `run`, the run as far as the commands see it.
#pragma once

#include "model/chart_settings.h"
#include "model/data_table.h"
#include "platform/log.h"

namespace corvane {

struct CommandContext {
  ChartSettings& settings;
  DataTable& data;
  Log& log;
  int optionsDepth = 0;   // options files being read, one inside the other
  int optionsOpened = 0;  // options files opened so far in the run
};

}  // namespace corvane
