#include "platform/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace {

// Each argument reaches the command reader as exactly one token, or the run is refused at the
// first one that cannot (its position counting from 1). Texts are UTF-8 after joining.
TEST(CommandLineTest, EachArgumentBecomesOneTokenOrIsRefused) {
  const struct Case {
    std::vector<const char*> args;
    std::string text;
    int refused;
  } cases[] = {
      {{"-Title", "Sales"}, "-Title Sales", 0},
      {{"-Title", "Sales by Region", ""}, "-Title \"Sales by Region\" \"\"", 0},
      {{"-Title", "12\"", "a\t\"b"}, "-Title 12\" a\t\"b", 0},  // a quote inside, no blank: as typed
      {{"-Title", "a\tb"}, "-Title \"a\tb\"", 0},
      // A byte the reader would skip before a token: the argument would vanish.
      {{"-Title", "\x01", "\xC3\xA9t\xC3\xA9"}, "-Title \"\x01\" \xC3\xA9t\xC3\xA9", 0},
      {{"-Title", "caf\xE9", "\xE5\x9B\xBE"}, "-Title caf\xC3\xA9 \xE5\x9B\xBE", 0},  // not UTF-8: Windows-1252
      {{"-Title", "Q3\" -Output \"hijacked\" ;", "-Output", "intended"}, "", 2},
      {{"-Title", "\"Q3", "-Output", "\"x y"}, "", 2},
      {{"-Datum", "A", "1", "\x01\""}, "", 4},
  };
  for (const Case& c : cases) {
    std::vector<const char*> argv{"corvane"};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    const CommandLine line = CommandLineText(static_cast<int>(argv.size()), argv.data());
    EXPECT_EQ(line.text, c.text) << c.args[1];
    EXPECT_EQ(line.refusedArgument, c.refused) << c.args[1];
  }
}

}  // namespace
}  // namespace corvane
