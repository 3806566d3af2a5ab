// Finds a command's handler from its word.
#pragma once

#include <string_view>

namespace corvane {

struct CommandContext;

// Reads the command's arguments from args onward and stores them. Returns the position
// after the last thing it read, or null after logging why it failed.
using CommandHandler = const char* (*)(CommandContext& run, const char* args);

// The handler of the command word (letter case ignored), or null for an unknown word.
CommandHandler FindCommand(std::string_view word);

}  // namespace corvane
