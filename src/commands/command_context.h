// What the command handlers read into and report to: the run's settings and data table, its
// log, its TrueType fonts (to check a font named by file or family), and how deep options
// files are nested; nothing else of the run is theirs. Handlers
// call it `run`, the run as far as the commands see it.
#pragma once

#include <cstdio>
#include <string>

#include "fonts/font_library.h"
#include "model/chart_settings.h"
#include "model/data_table.h"
#include "platform/log.h"

namespace corvane {

struct CommandContext {
  ChartSettings& settings;
  DataTable& data;
  Log& log;
  FontLibrary& fonts;
  int optionsDepth = 0;   // options files being read, one inside the other
  int optionsOpened = 0;  // options files opened so far in the run
  // The run's standard input, which the file name "-" stands for, until a command has read it;
  // null from then on, and for a run that has none to give.
  std::FILE* standardInput = nullptr;
  // The folder of the options file being read, with its final '/': a relative file name in it
  // that is not found from the current folder is looked up there. "" outside options files.
  std::string optionsFolder{};
};

}  // namespace corvane
