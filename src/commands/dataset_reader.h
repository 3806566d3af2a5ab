// Reads a dataset file into the data table, one item a line: a label and its values, as the
// separator divides them, or the fields -DatasetColumns picks; a first line of names instead
// of values names the series.
#pragma once

#include <string>

namespace corvane {

struct CommandContext;
class TextFileReader;

// Reads every line of the file; name is the path it was opened by, which messages show.
// Returns false after logging the first failure.
bool ReadDataset(CommandContext& run, TextFileReader& file, const std::string& name);

}  // namespace corvane
