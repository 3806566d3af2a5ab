#include "commands/dataset_reader.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "commands/command_context.h"
#include "commands/command_reader.h"
#include "commands/data_values.h"
#include "commands/dataset_fields.h"
#include "commands/handler_support.h"
#include "commands/value_parsers.h"
#include "platform/compare.h"
#include "platform/encoding.h"
#include "platform/text_file.h"

namespace corvane {
namespace {

// The highest position a column may be given by; a larger number is taken for a name.
constexpr int kMaxColumnPosition = 1000000;

// The message of an item whose form disagrees with the table's, or null when they agree.
const char* FormMismatch(FormCheck check) {
  switch (check) {
    case FormCheck::kAgrees:
      return nullptr;
    case FormCheck::kTimeAfterNumbers:
      return "ERROR: time value used after non-time value on line %d of dataset [%.300s]";
    case FormCheck::kNotTime:
      return "ERROR: value not time value on line %d of dataset [%.300s]";
  }
  return nullptr;
}

// The position a column token gives, counting from 0, or none when it is no position.
std::optional<int> ColumnPosition(const std::string& token) {
  if (token.empty() || !std::all_of(token.begin(), token.end(), IsDigit)) return std::nullopt;
  const char* p = token.c_str();
  const std::int64_t position = ReadDigits(p, kMaxColumnPosition);
  if (position < 1 || position > kMaxColumnPosition) return std::nullopt;
  return static_cast<int>(position - 1);
}

// The columns -DatasetColumns picks, as positions in a line counting from 0.
struct Columns {
  int label = 0;
  std::vector<int> values;
};

// One dataset file being read: what its first line decided (a header, the columns) holds for
// the lines after it.
class DatasetReader {
 public:
  DatasetReader(CommandContext& run, const std::string& name)
      : run_(run), data_(run.data), name_(name), separator_(run.settings.DataSeparator),
        valueSeparator_(ValueSeparator(separator_)), picksColumns_(!run.settings.DatasetColumns.label.empty()) {}

  // One line, its line end removed and not empty.
  bool Read(const std::string& line, int lineNumber) {
    if (!started_) {
      started_ = true;
      const std::vector<std::string> fields = SplitFields(line, separator_);
      const bool header = IsHeader(fields);
      if (picksColumns_ && !ResolveColumns(header ? &fields : nullptr)) return false;
      if (header) {
        NameSeries(fields, lineNumber);
        return true;
      }
    }
    if (data_.count == kMaxItems) {
      Fail(run_, "ERROR: Dataset - too much data");
      run_.log.LogMessage("  a chart holds at most 1000 items");
      return false;
    }
    return picksColumns_ ? ReadColumns(line, lineNumber) : ReadLabelAndValues(line, lineNumber);
  }

 private:
  // The first line is a header when -DatasetHeader says so, or, by default, when it is the
  // first data of the chart and its value fields hold names rather than values.
  bool IsHeader(const std::vector<std::string>& fields) const {
    switch (run_.settings.DatasetHeader) {
      case DatasetHeader::kYes:
        return true;
      case DatasetHeader::kNo:
        return false;
      case DatasetHeader::kAuto:
        break;
    }
    if (data_.count != 0) return false;
    // Without chosen columns the first field is the label; with them any field may be.
    const auto values = std::span(fields).subspan(picksColumns_ ? 0 : 1);
    return std::none_of(values.begin(), values.end(), ReadsAsValue) &&
           std::any_of(values.begin(), values.end(), [](const std::string& f) { return HoldsLetter(f); });
  }

  // Each column by a name of the header, when there is one, or else by its position.
  bool ResolveColumns(const std::vector<std::string>* header) {
    const auto& chosen = run_.settings.DatasetColumns;
    const auto resolve = [&](const std::string& token, int& column) {
      if (header != nullptr) {
        const auto named = std::ranges::find_if(*header, [&](const std::string& f) { return EqualsNoCase(f, token); });
        if (named != header->end()) {
          column = static_cast<int>(named - header->begin());
          return true;
        }
      }
      if (const std::optional<int> position = ColumnPosition(token)) {
        column = *position;
        return true;
      }
      Fail(run_, "ERROR: no column [%s] in dataset [%.300s]", token.c_str(), name_.c_str());
      return false;
    };
    if (!resolve(chosen.label, columns_.label)) return false;
    columns_.values.resize(chosen.values.size());
    for (std::size_t k = 0; k < chosen.values.size(); ++k) {
      if (!resolve(chosen.values[k], columns_.values[k])) return false;
    }
    return true;
  }

  // The header's value fields name the series that no command has named.
  void NameSeries(const std::vector<std::string>& fields, int lineNumber) {
    std::vector<std::string> names;
    if (picksColumns_) {
      for (const int column : columns_.values) {
        names.push_back(column < static_cast<int>(fields.size()) ? fields[column] : std::string());
      }
    } else {
      names.assign(fields.begin() + 1, fields.end());
    }
    auto& labels = run_.settings.DataSeriesLabel;
    for (std::size_t k = 0; k < names.size() && k < labels.size(); ++k) {
      if (labels[k].empty()) labels[k] = names[k].substr(0, CodePointPrefix(names[k], kMaxSeriesLabelLength));
    }
    run_.log.LogMessage("Dataset [%s]: header line %d names %d series", name_.c_str(), lineNumber,
                        static_cast<int>(names.size()));
  }

  // A line as the label, up to the separator (or in quotes), and the values after it.
  bool ReadLabelAndValues(const std::string& line, int lineNumber) {
    std::string label;
    const char* values = nullptr;
    if (std::optional<QuotedLabel> quoted = ReadQuotedLabel(line, separator_)) {
      label = std::move(quoted->text);
      values = line.c_str() + quoted->valuesAt;
    } else {
      const std::size_t at = line.find(separator_);
      if (at == std::string::npos) {
        Fail(run_, "ERROR: no value on line %d of dataset [%.300s]", lineNumber, name_.c_str());
        return false;
      }
      label = line.substr(0, at);
      values = line.c_str() + at + separator_.size();
    }
    // The label is field 1, and each value a field of its own.
    const auto field = [&](const ValueFailure& failure) {
      return std::pair(failure.value + 1, std::string(ValueText(failure.at, valueSeparator_)));
    };
    const char* mismatch = CheckForm(IsTimeForm(values, valueSeparator_), lineNumber);
    return StoreItem(label, values, valueSeparator_, mismatch, lineNumber, field);
  }

  // A line as the fields -DatasetColumns picks, each value a field of its own.
  bool ReadColumns(const std::string& line, int lineNumber) {
    const std::vector<std::string> fields = SplitFields(line, separator_);
    std::vector<int> wanted{columns_.label};
    wanted.insert(wanted.end(), columns_.values.begin(), columns_.values.end());
    for (const int column : wanted) {
      if (column >= static_cast<int>(fields.size())) {
        Fail(run_, "ERROR: line %d of dataset [%.300s] has no field %d", lineNumber, name_.c_str(), column + 1);
        return false;
      }
    }
    const auto field = [&](const ValueFailure& failure) {
      const int column = columns_.values[failure.value - 1];
      return std::pair(column + 1, fields[column]);
    };
    const bool timeForm = std::ranges::any_of(
        columns_.values, [&](int column) { return fields[column].find(':') != std::string::npos; });
    const char* mismatch = CheckForm(timeForm, lineNumber);
    // Each field one value, so that the values read as a list read one field each.
    std::string values;
    for (std::size_t k = 0; k < columns_.values.size(); ++k) {
      const std::string& text = fields[columns_.values[k]];
      if (text.empty() || std::ranges::any_of(text, IsBlank) || AtValuesEnd(text.c_str())) {
        return FailLine(ValueError::kInvalid, lineNumber, [&] { return field({static_cast<int>(k) + 1, text.c_str()}); });
      }
      (values += values.empty() ? "" : " ") += text;
    }
    return StoreItem(fields[columns_.label], values.c_str(), {}, mismatch, lineNumber, field);
  }

  // Checks the form of an item's values against the table's, the first item setting it; logs
  // and returns the message of a mismatch, or null.
  const char* CheckForm(bool timeForm, int lineNumber) {
    const char* mismatch = FormMismatch(CheckTimeForm(data_, timeForm, data_.count == 0));
    if (mismatch != nullptr) run_.log.LogMessage(mismatch, lineNumber, name_.c_str());
    return mismatch;
  }

  // Appends the item, or logs why not. The values are read in the table's form even after a
  // mismatch, which then fails on them; field gives the number and text of the field where the
  // values failed, for the line that shows it.
  template <typename FieldOf>
  bool StoreItem(const std::string& label, const char* values, std::string_view separator, const char* mismatch,
                 int lineNumber, const FieldOf& field) {
    SeriesValues read{};
    const char* p = values;
    ValueFailure failure;
    ValueError error = ReadItemValues(data_, p, read, separator, &failure);
    if (error == ValueError::kNone && mismatch != nullptr) {
      error = ValueError::kInvalid;
      failure = {1, SkipBlanks(values)};
    } else if (error == ValueError::kNone && !AtValuesEnd(p, separator)) {
      // A line holds one time value; a second one would otherwise be dropped unseen.
      const char* second = SkipBlanks(p);
      if (AtSeparator(second, separator)) second = SkipBlanks(second + separator.size());
      error = ValueError::kInvalid;
      failure = {2, second};
    }
    if (error != ValueError::kNone) return FailLine(error, lineNumber, [&] { return field(failure); });

    DataItem& item = data_.Append();
    item.label = label.substr(0, CodePointPrefix(label, kMaxLabelLength));
    item.values = read;
    return true;
  }

  // Logs the failure of a line, with the field that failed (the number and text failedField
  // gives) when a value could not be read, and returns false.
  template <typename FailedField>
  bool FailLine(ValueError error, int lineNumber, const FailedField& failedField) {
    const char* file = name_.c_str();
    switch (error) {
      case ValueError::kTooMany:
        Fail(run_, "ERROR: too many data series values (max is %d) on line %d of dataset [%.300s]", kMaxSeries,
             lineNumber, file);
        break;
      case ValueError::kDifferentCount:
        Fail(run_, "ERROR: different number of data series values (expected %d) on line %d of dataset [%.300s]",
             data_.seriesCount, lineNumber, file);
        break;
      default: {
        Fail(run_, "ERROR: invalid value on line %d of dataset [%.300s]", lineNumber, file);
        const auto [number, text] = failedField();
        run_.log.LogMessage("  field %d holds [%.40s]", number, text.c_str());
        break;
      }
    }
    return false;
  }

  CommandContext& run_;
  DataTable& data_;
  const std::string& name_;
  const std::string& separator_;
  const std::string_view valueSeparator_;
  const bool picksColumns_;
  bool started_ = false;  // a line that is not empty has been read
  Columns columns_;
};

}  // namespace

bool ReadDataset(CommandContext& run, TextFileReader& file, const std::string& name) {
  DatasetReader reader(run, name);
  std::string line;
  int lineNumber = 0;
  for (;;) {
    const TextFileReader::LineRead read = file.ReadPhysicalLine(line);
    if (read == TextFileReader::LineRead::kEnd) return true;
    ++lineNumber;
    if (read == TextFileReader::LineRead::kTooLong) {
      Fail(run, "ERROR: line %d of dataset [%.300s] is longer than 1 MiB", lineNumber, name.c_str());
      return false;
    }
    // The rest of the reader sees the line as a C string, which ends at a NUL.
    if (const std::size_t nul = line.find('\0'); nul != std::string::npos) line.resize(nul);
    if (!line.empty() && (IsBlank(line.back()) || line.back() == 127)) line.pop_back();
    if (line.empty()) continue;
    if (!reader.Read(line, lineNumber)) return false;
  }
}

}  // namespace corvane
