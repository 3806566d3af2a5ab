#include "commands/data_commands.h"

#include <algorithm>
#include <string>

#include "commands/command_context.h"
#include "commands/command_reader.h"
#include "commands/data_values.h"
#include "commands/handler_support.h"
#include "commands/keyword_tables.h"
#include "platform/text_file.h"

namespace corvane {
namespace {

constexpr std::size_t kMaxKeywordLength = 20;
constexpr std::size_t kMaxSeparatorLength = 11;
// Dataset lines are read as with a 199-byte fgets buffer: 198 characters at a time.
constexpr std::size_t kDatasetLineLimit = 199;

// The message of an item whose form disagrees with the table's, of the two given: a format
// for a time value after numbers, or for a number after time values. None when they agree.
// The values are read all the same, in the table's form, which then fails on them.
const char* FormMismatch(FormCheck check, const char* timeAfterNumbers, const char* notTime) {
  switch (check) {
    case FormCheck::kAgrees:
      return nullptr;
    case FormCheck::kTimeAfterNumbers:
      return timeAfterNumbers;
    case FormCheck::kNotTime:
      return notTime;
  }
  return nullptr;
}

// For the -Datum commands: logs the mismatch, if any; true when there was one.
bool ReportFormMismatch(CommandContext& run, FormCheck check, const std::string& command) {
  const char* message = FormMismatch(check, "ERROR: %s - time value used after non-time value",
                                     "ERROR: %s - not time value");
  if (message != nullptr) run.log.LogMessage(message, command.c_str());
  return message != nullptr;
}

// Logs the failure of a dataset line and returns false.
bool FailLine(CommandContext& run, ValueError error, int lineNumber, const std::string& name) {
  const char* file = name.c_str();
  switch (error) {
    case ValueError::kTooMany:
      Fail(run, "ERROR: too many data series values (max is %d) on line %d of dataset [%.300s]", kMaxSeries,
           lineNumber, file);
      break;
    case ValueError::kDifferentCount:
      Fail(run, "ERROR: different number of data series values (expected %d) on line %d of dataset [%.300s]",
           run.data.seriesCount, lineNumber, file);
      break;
    default:
      Fail(run, "ERROR: invalid value on line %d of dataset [%.300s]", lineNumber, file);
      break;
  }
  return false;
}

// Appends the item of one dataset line (the line end already removed, not empty); returns
// false after logging why it could not.
bool ReadDatasetLine(CommandContext& run, const std::string& line, int lineNumber, const std::string& name) {
  DataTable& data = run.data;
  const std::string& separator = run.settings.DataSeparator;
  const std::size_t at = line.find(separator);
  if (at == std::string::npos) {
    Fail(run, "ERROR: no value on line %d of dataset [%.300s]", lineNumber, name.c_str());
    return false;
  }
  const char* p = line.c_str() + at + separator.size();

  const char* mismatch =
      FormMismatch(CheckTimeForm(data, IsTimeForm(p), data.count == 0),
                   "ERROR: time value used after non-time value on line %d of dataset [%.300s]",
                   "ERROR: value not time value on line %d of dataset [%.300s]");
  if (mismatch != nullptr) run.log.LogMessage(mismatch, lineNumber, name.c_str());

  SeriesValues values{};
  ValueError error = ReadItemValues(data, p, values);
  // A line holds one time value; a second one would otherwise be dropped unseen.
  if (error == ValueError::kNone && (mismatch != nullptr || !AtValuesEnd(p))) error = ValueError::kInvalid;
  if (error != ValueError::kNone) return FailLine(run, error, lineNumber, name);

  DataItem& item = data.Append();
  item.label = line.substr(0, std::min(at, kMaxLabelLength));
  item.values = values;
  return true;
}

// Reads the file's lines into the table. Only an item line that finds the table full is too
// much data: blank lines after the last item, or a file that just fills it, are not.
bool ReadDataset(CommandContext& run, TextFileReader& file, const std::string& name) {
  std::string line;
  int lineNumber = 0;
  while (file.ReadLine(line, kDatasetLineLimit)) {
    ++lineNumber;
    // The rest of the reader sees the line as a C string, which ends at a NUL.
    if (const std::size_t nul = line.find('\0'); nul != std::string::npos) line.resize(nul);
    if (!line.empty() && (IsBlank(line.back()) || line.back() == 127)) line.pop_back();
    if (line.empty()) continue;
    if (run.data.count == kMaxItems) {
      Fail(run, "ERROR: Dataset - too much data");
      return false;
    }
    if (!ReadDatasetLine(run, line, lineNumber, name)) return false;
  }
  return true;
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
  switch (ReadItemValues(data, p, values)) {
    case ValueError::kNone:
      break;
    case ValueError::kTooMany:
      return Fail(run, "ERROR: Datum - too many data series values (max is %d)", kMaxSeries);
    case ValueError::kDifferentCount:
      return Fail(run, "ERROR: Datum - different number of data series values (expected %d)",
                  data.seriesCount);
    default:
      return Fail(run, "ERROR: Datum - no value");
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
  int error = 0;
  auto file = TextFileReader::Open(name, error);
  if (!file) return Fail(run, "ERROR: Dataset - could not open [%s], error=%d", name.c_str(), error);
  return ReadDataset(run, *file, name) ? next : nullptr;
}

}  // namespace corvane
