#include "commands/data_commands.h"

#include <optional>
#include <string>
#include <vector>

#include "commands/command_context.h"
#include "commands/command_reader.h"
#include "commands/data_values.h"
#include "commands/dataset_reader.h"
#include "commands/handler_support.h"
#include "commands/input_files.h"
#include "commands/keyword_tables.h"

namespace corvane {
namespace {

constexpr std::size_t kMaxKeywordLength = 20;
constexpr std::size_t kMaxSeparatorLength = 11;

// For the -Datum commands: logs the message of an item whose form disagrees with the table's,
// if any; true when there was one. The values are read all the same, in the table's form,
// which then fails on them.
bool ReportFormMismatch(CommandContext& run, FormCheck check, const std::string& command) {
  const char* message = nullptr;
  if (check == FormCheck::kTimeAfterNumbers) message = "ERROR: %s - time value used after non-time value";
  if (check == FormCheck::kNotTime) message = "ERROR: %s - not time value";
  if (message != nullptr) run.log.LogMessage(message, command.c_str());
  return message != nullptr;
}

}  // namespace

const char* DataSortCommand(CommandContext& run, const char* args) {
  std::string word;
  const char* p = ReadTokenOrFail(run, args, word, kMaxKeywordLength, "ERROR: DataSort - field not specified",
                                  "ERROR: DataSort - field too long");
  if (p == nullptr) return nullptr;
  const auto field = LookupKeyword(SortFieldTable, word);
  if (!field) return Fail(run, "ERROR: DataSort - unknown field");
  run.data.DataSort.field = field;

  p = ReadTokenOrFail(run, p, word, kMaxKeywordLength, "ERROR: DataSort - sort order not specified",
                      "ERROR: DataSort - sort order too long");
  if (p == nullptr) return nullptr;
  const auto order = LookupKeyword(SortOrderTable, word);
  if (!order) return Fail(run, "ERROR: DataSort - unknown sort order");
  run.data.DataSort.order = *order;
  return p;
}

const char* DataSeparatorCommand(CommandContext& run, const char* args) {
  std::string separator;
  const char* p = ReadTokenOrFail(run, args, separator, kMaxSeparatorLength,
                                  "ERROR: DataSeparator - not specified", "ERROR: DataSeparator - too long");
  if (p == nullptr) return nullptr;
  run.settings.DataSeparator = separator;
  return p;
}

const char* DatumCommand(CommandContext& run, const char* args) {
  DataTable& data = run.data;
  if (data.count == kMaxItems) return Fail(run, "ERROR: Datum - too many");
  std::string label;
  const char* p = ReadTokenOrFail(run, args, label, kMaxLabelLength, "ERROR: Datum - no label",
                                  "ERROR: Datum - label too long");
  if (p == nullptr) return nullptr;

  const bool mismatch = ReportFormMismatch(run, CheckTimeForm(data, IsTimeForm(p), data.count == 0), "Datum");
  SeriesValues values{};
  ValueFailure failure;
  switch (ReadItemValues(data, p, values, {}, &failure)) {
    case ValueError::kNone:
      break;
    case ValueError::kTooMany:
      return Fail(run, "ERROR: Datum - too many data series values (max is %d)", kMaxSeries);
    case ValueError::kDifferentCount:
      return Fail(run, "ERROR: Datum - different number of data series values (expected %d)",
                  data.seriesCount);
    default:
      Fail(run, "ERROR: Datum - no value");
      // The label is field 1, each value a field of its own.
      run.log.LogMessage("  field %d holds [%.40s]", failure.value + 1, std::string(ValueText(failure.at)).c_str());
      return nullptr;
  }
  if (mismatch) return nullptr;

  DataItem& item = data.Append();
  item.label = label;
  item.values = values;
  return p;
}

const char* DatumSeriesCommand(CommandContext& run, const char* args, int series) {
  DataTable& data = run.data;
  if (data.count == 0) return Fail(run, "ERROR: Datum%d - cannot set until -Datum has been used", series);
  // From now on every item carries this many values.
  if (data.seriesCount < series) data.seriesCount = series;

  const std::string command = "Datum" + std::to_string(series);
  const bool mismatch = ReportFormMismatch(run, CheckTimeForm(data, IsTimeForm(args), false), command);
  const char* p = args;
  double value = 0.0;
  ValueError error;
  if (data.timeValues) {
    error = ReadTimeValue(data, p, value);
  } else {
    bool decimal = false;
    error = ReadNumber(p, value, decimal);
    if (error == ValueError::kNone && decimal) data.decimalSeen = true;
  }
  if (error != ValueError::kNone) return Fail(run, "ERROR: Datum%d - no value", series);
  if (mismatch) return nullptr;
  data.items[data.count - 1].values[series - 1] = value;
  return p;
}

const char* DatasetCommand(CommandContext& run, const char* args) {
  std::string name;
  const char* next = ReadTokenOrFail(run, args, name, kMaxFileNameLength, "ERROR: Dataset - no filename",
                                     "ERROR: Dataset - filename too long");
  if (next == nullptr) return nullptr;
  if (!run.settings.Chart.style) return Fail(run, "ERROR: Dataset - Type and/or Style not specified");
  const InputFile file = OpenInputFile(run, name);
  if (file.standardInputRead) return Fail(run, "ERROR: Dataset - standard input already read");
  if (!file.reader) return Fail(run, "ERROR: Dataset - could not open [%s], error=%d", name.c_str(), file.error);
  return ReadDataset(run, *file.reader, file.path) ? next : nullptr;
}

const char* DatasetHeaderCommand(CommandContext& run, const char* args) {
  std::string word;
  // A word too long for any of the keywords is none of them.
  const char* p = ReadToken(args, word, kMaxKeywordLength);
  if (p == nullptr && word != TooLongMarker) return Fail(run, "ERROR: DatasetHeader - not specified");
  const auto header = p == nullptr ? std::nullopt : LookupKeyword(DatasetHeaderTable, word);
  if (!header) return Fail(run, "ERROR: DatasetHeader - unknown value");
  run.settings.DatasetHeader = *header;
  return p;
}

const char* DatasetColumnsCommand(CommandContext& run, const char* args) {
  std::vector<std::string> columns;
  const char* p = args;
  // Column names run to the next command or comment; a name that begins with '-' is quoted.
  while (*SkipBlanks(p) != 0 && *SkipBlanks(p) != '-' && *SkipBlanks(p) != ';') {
    std::string column;
    const char* next = ReadToken(p, column, kMaxSeriesLabelLength);
    if (next == nullptr && column == TooLongMarker) return Fail(run, "ERROR: DatasetColumns - column name too long");
    if (next == nullptr) break;  // an empty pair of quotes names nothing
    if (columns.size() == kMaxSeries + 1) {
      return Fail(run, "ERROR: DatasetColumns - too many value columns (max is %d)", kMaxSeries);
    }
    columns.push_back(column);
    p = next;
  }
  if (columns.empty()) return Fail(run, "ERROR: DatasetColumns - no label column");
  if (columns.size() == 1) return Fail(run, "ERROR: DatasetColumns - no value column");
  run.settings.DatasetColumns.label = columns.front();
  run.settings.DatasetColumns.values.assign(columns.begin() + 1, columns.end());
  return p;
}

}  // namespace corvane
