// Every "ERROR: " message of the source must be produced by some test. Under CTest every test
// process appends to the trace file that CORVANE_MESSAGE_TRACE names: the name of each test as
// it starts and, through the run log (its own and that of the executables it runs), each error
// message logged. CTest runs this check after all tests; alone or after part of the suite it
// skips.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "support/test_run.h"

namespace corvane {
namespace {

constexpr char kTrace[] = "CORVANE_MESSAGE_TRACE";
constexpr char kTestLine[] = "TEST ";
constexpr char kSuite[] = "MessageCoverageTest";

// Messages that no command line can produce, each with the reason.
const std::map<std::string, std::string> kUnreachable = {
    {"ERROR: No Chart Style specified",
     "-Chart stores the type only on its way to the style and fails itself when the style is missing or "
     "unknown, which ends the run before this check"},
};

// Names each test in the trace as it starts, so that the check can tell a whole run from a part.
class TraceTestNames : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo& test) override {
    if (const char* trace = std::getenv(kTrace)) {
      std::ofstream(trace, std::ios::app) << kTestLine << test.test_suite_name() << '.' << test.name()
                                          << '\n';
    }
  }
};
[[maybe_unused]] const bool kTracingTestNames =
    (::testing::UnitTest::GetInstance()->listeners().Append(new TraceTestNames), true);

struct MessageFormat {
  std::string text;
  std::string prefix;       // the text before the first conversion
  std::regex pattern;       // matches every message the format can print
  std::size_t literal = 0;  // characters outside conversions: the more, the more specific
  bool produced = false;
};

MessageFormat Compile(const std::string& text) {
  MessageFormat format{text, text.substr(0, text.find('%')), {}, 0, false};
  std::string pattern;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      if (std::string_view("\\^$.|?*+()[]{}").find(text[i]) != std::string_view::npos) pattern += '\\';
      pattern += text[i];
      ++format.literal;
      continue;
    }
    i = text.find_first_not_of("-+ #0123456789.hlz", i + 1);  // flags, width, precision, length
    if (i == std::string::npos) break;
    const char c = text[i];
    pattern += c == 'd' || c == 'i' ? "-?[0-9]+" : c == 'u' ? "[0-9]+" : c == 'x' || c == 'X' ? "[0-9a-fA-F]+"
             : c == 'c' ? "[\\s\\S]" : c == '%' ? "%" : "[\\s\\S]*";
  }
  format.pattern = std::regex(pattern);
  return format;
}

// The "ERROR: " formats among the string literals of the source, adjacent literals joined.
std::vector<MessageFormat> ErrorFormats() {
  std::set<std::string> texts;
  for (const auto& file : std::filesystem::recursive_directory_iterator(CORVANE_SOURCE_DIR "/src")) {
    const std::string code = testing::ReadFile(file.path().string());
    std::string literal;
    bool joining = false;
    for (std::size_t i = 0; i < code.size(); ++i) {
      if (code.compare(i, 2, "//") == 0) {
        i = std::min(code.find('\n', i), code.size());
      } else if (code.compare(i, 2, "/*") == 0) {
        i = std::min(code.find("*/", i), code.size()) + 1;
      } else if (code[i] == '\'') {
        i = std::min(code.find('\'', i + (code[i + 1] == '\\' ? 3 : 2)), code.size());
      } else if (code[i] == '"') {
        for (++i; i < code.size() && code[i] != '"'; ++i) literal += code[i] == '\\' ? code[++i] : code[i];
        joining = true;
      } else if (joining && !std::isspace(static_cast<unsigned char>(code[i]))) {
        if (literal.rfind("ERROR: ", 0) == 0) texts.insert(literal);
        literal.clear();
        joining = false;
      }
    }
  }
  std::vector<MessageFormat> formats;
  for (const std::string& text : texts) formats.push_back(Compile(text));
  return formats;
}

TEST(MessageCoverageTest, EveryErrorMessageIsProducedByATest) {
  const char* trace = std::getenv(kTrace);
  if (trace == nullptr) GTEST_SKIP() << "needs CTest, which runs it after the tests that fill the trace";
  std::set<std::string> messages;
  std::set<std::string> ran;
  std::istringstream lines(testing::ReadFile(trace));
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind(kTestLine, 0) == 0) {
      ran.insert(line.substr(sizeof kTestLine - 1));
    } else {
      messages.insert(line);
    }
  }
  const ::testing::UnitTest& suite = *::testing::UnitTest::GetInstance();
  for (int i = 0; i < suite.total_test_suite_count(); ++i) {
    const ::testing::TestSuite& tests = *suite.GetTestSuite(i);
    for (int j = 0; j < tests.total_test_count(); ++j) {
      const std::string name = std::string(tests.name()) + "." + tests.GetTestInfo(j)->name();
      if (name.rfind(kSuite, 0) != 0 && name.find("DISABLED_") == std::string::npos && !ran.contains(name)) {
        GTEST_SKIP() << "not the whole suite ran (" << name << " did not): the check needs all tests";
      }
    }
  }

  std::vector<MessageFormat> formats = ErrorFormats();
  ASSERT_GT(formats.size(), 100u);
  for (const std::string& message : messages) {
    // A message is credited to the most specific formats it matches: "ERROR: Legend - no width"
    // to itself, not to "ERROR: %s - no width".
    std::vector<MessageFormat*> best;
    for (MessageFormat& format : formats) {
      if (message.rfind(format.prefix, 0) != 0 || !std::regex_match(message, format.pattern)) continue;
      if (!best.empty() && format.literal < best[0]->literal) continue;
      if (!best.empty() && format.literal > best[0]->literal) best.clear();
      best.push_back(&format);
    }
    for (MessageFormat* format : best) format->produced = true;
  }
  std::string missing;
  for (const MessageFormat& format : formats) {
    if (!format.produced && !kUnreachable.contains(format.text)) missing += "\n  " + format.text;
    if (format.produced && kUnreachable.contains(format.text)) {
      ADD_FAILURE() << "listed as unreachable, yet a test produced it: " << format.text;
    }
  }
  EXPECT_EQ(missing, "") << "error messages that no test produced";
  for (const auto& [text, reason] : kUnreachable) {
    EXPECT_TRUE(std::ranges::any_of(formats, [&](const MessageFormat& f) { return f.text == text; })) << text;
  }
}

}  // namespace
}  // namespace corvane
