// Every "ERROR: " message of the source must be produced by some test. Under CTest every test
// process appends to the trace file that CORVANE_MESSAGE_TRACE names: the name of each test as
// it starts and, through the run log (its own and that of the executables it runs), each error
// message logged. CTest runs this check after all tests; alone or after part of the suite it
// skips.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "support/test_run.h"

namespace corvane {
namespace {

constexpr char kTrace[] = "CORVANE_MESSAGE_TRACE";

// Names each test in the trace as it starts, so that the check can tell a whole run from a part.
class TraceTestNames : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo& test) override {
    if (const char* trace = std::getenv(kTrace)) {
      std::ofstream(trace, std::ios::app) << "TEST " << test.test_suite_name() << '.' << test.name() << '\n';
    }
  }
};
[[maybe_unused]] const bool kTracingTestNames =
    (::testing::UnitTest::GetInstance()->listeners().Append(new TraceTestNames), true);

struct MessageFormat {
  std::string text;
  std::regex pattern;       // matches every message the format can print
  std::size_t literal = 0;  // characters outside conversions: the more, the more specific
  bool produced = false;
};

// A conversion such as %d reads as a number, any other such as %.200s as any text.
MessageFormat Compile(const std::string& text) {
  std::string pattern = std::regex_replace(text, std::regex("%[-+ #0-9.hlz]*[diu]"), "\x01");
  pattern = std::regex_replace(pattern, std::regex("%[-+ #0-9.hlz]*[a-zA-Z]"), "\x02");
  const auto literal = static_cast<std::size_t>(
      std::ranges::count_if(pattern, [](char c) { return c != '\x01' && c != '\x02'; }));
  pattern = std::regex_replace(pattern, std::regex(R"([\\^$.|?*+()\[\]{}])"), "\\$&");
  pattern = std::regex_replace(pattern, std::regex("\x01"), "-?[0-9]+");
  return {text, std::regex(std::regex_replace(pattern, std::regex("\x02"), "[\\s\\S]*")), literal};
}

// The "ERROR: " formats among the string literals of the source, adjacent literals joined;
// comments and character literals are matched only to be passed over.
std::vector<MessageFormat> ErrorFormats() {
  const std::regex token(R"re(//[^\n]*|/\*[\s\S]*?\*/|'\\?.'|("(\\.|[^"\\])*"\s*)+)re");
  const std::regex quotes(R"re("\s*"|^"|"\s*$)re");
  std::set<std::string> texts;
  for (const auto& file : std::filesystem::recursive_directory_iterator(CORVANE_SOURCE_DIR "/src")) {
    const std::string code = testing::ReadFile(file.path().string());
    for (std::sregex_iterator m(code.begin(), code.end(), token), end; m != end; ++m) {
      const std::string text =
          std::regex_replace(std::regex_replace(m->str(), quotes, ""), std::regex(R"(\\(.))"), "$1");
      if (m->str()[0] == '"' && text.rfind("ERROR: ", 0) == 0) texts.insert(text);
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
  std::set<std::string> ran;  // this test among them
  std::istringstream lines(testing::ReadFile(trace));
  for (std::string line; std::getline(lines, line);) {
    (line.rfind("TEST ", 0) == 0 ? ran : messages).insert(line);
  }
  const ::testing::UnitTest& suite = *::testing::UnitTest::GetInstance();
  if (static_cast<int>(ran.size()) < suite.total_test_count() - suite.disabled_test_count()) {
    GTEST_SKIP() << "only " << ran.size() << " of " << suite.total_test_count()
                 << " tests ran: the check needs them all";
  }

  std::vector<MessageFormat> formats = ErrorFormats();
  ASSERT_GT(formats.size(), 100u);
  for (const std::string& message : messages) {
    // A message is credited to the most specific formats it matches: "ERROR: Legend - no width"
    // to itself, not to "ERROR: %s - no width".
    std::vector<MessageFormat*> matched;
    for (MessageFormat& format : formats) {
      if (std::regex_match(message, format.pattern)) matched.push_back(&format);
    }
    std::size_t best = 0;
    for (const MessageFormat* format : matched) best = std::max(best, format->literal);
    for (MessageFormat* format : matched) format->produced |= format->literal == best;
  }
  std::string missing;
  for (const MessageFormat& format : formats) {
    if (!format.produced) missing += "\n  " + format.text;
  }
  EXPECT_EQ(missing, "") << "error messages that no test produced";
}

}  // namespace
}  // namespace corvane
