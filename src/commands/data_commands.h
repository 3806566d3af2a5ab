// The data commands: -Datum and -Datum2..-Datum10 put items on the command line into the
// data table, -Dataset reads them from a delimited text file, -DataSeparator names that
// file's separator, -DatasetHeader and -DatasetColumns say how its lines are laid out, and
// -DataSort asks for the table to be sorted before drawing.
#pragma once

namespace corvane {

struct CommandContext;

const char* DataSortCommand(CommandContext& run, const char* args);
const char* DataSeparatorCommand(CommandContext& run, const char* args);
const char* DatumCommand(CommandContext& run, const char* args);
const char* DatasetCommand(CommandContext& run, const char* args);
const char* DatasetHeaderCommand(CommandContext& run, const char* args);
const char* DatasetColumnsCommand(CommandContext& run, const char* args);

// Sets series 2..10 of the item the last -Datum appended.
const char* DatumSeriesCommand(CommandContext& run, const char* args, int series);

template <int Series>
const char* DatumNCommand(CommandContext& run, const char* args) {
  static_assert(Series >= 2 && Series <= 10);
  return DatumSeriesCommand(run, args, Series);
}

}  // namespace corvane
