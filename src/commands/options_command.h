// The options command: reads further command lines from a file, one line at a time.
#pragma once

namespace corvane {

struct CommandContext;

// Options files may include one another; deeper nesting than this is refused, so a file
// that includes itself fails instead of recursing without end.
inline constexpr int kMaxOptionsDepth = 32;

// Files that include others more than once multiply: thirty that each include the next one
// twice would be opened a billion times. A run opens at most this many options files in all.
inline constexpr int kMaxOptionsFiles = 1000;

const char* OptionsCommand(CommandContext& run, const char* args);

}  // namespace corvane
