// Whole drawings of the built executable: each example chart, and each chart of tests/golden/*.txt
// for the styles and data the examples leave out, against the content stream kept for it in
// tests/golden/ (`make golden` rewrites them after an intended change), and extreme command lines
// in every chart kind, also with Auto margins and turned, thinned labels, and with a round scale
// and the bar forms; each drawing a valid PDF whose every number is finite, unless the layout
// leaves the chart no room, which fails the run and writes nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <iterator>
#include <sstream>

#include "app/run.h"
#include "pdf/document_builder.h"
#include "support/pdf_content.h"
#include "support/pdf_page.h"
#include "support/process.h"
#include "support/qpdf_check.h"
#include "support/test_run.h"

namespace corvane {
namespace {

using testing::ReadFile;
using testing::TempDir;

const std::string kSource = CORVANE_SOURCE_DIR;

const std::string kNoRoom = "ERROR: Chart - no room to draw the chart (";

// Runs corvane with "-Output" first and expects a PDF that qpdf finds valid and whose page
// holds only finite numbers; returns the page's content stream. When the room may run out,
// the run may instead fail for a chart with no room, writing nothing; that returns "".
std::string SoundDrawing(std::vector<std::string> args, const std::string& workingDir, const std::string& what,
                         bool roomMayRunOut = false) {
  TempDir out;
  args.insert(args.begin(), {"-Output", out.File("chart")});
  const auto r = testing::RunCorvane(args, workingDir);
  if (roomMayRunOut && r.exitCode == 1 && r.out.find(kNoRoom) != std::string::npos) {
    EXPECT_FALSE(std::filesystem::exists(out.File("chart.pdf"))) << what;
    return "";
  }
  EXPECT_EQ(r.exitCode, 0) << what << "\n" << r.out;
  if (r.exitCode != 0) return "";
  const auto check = testing::QpdfCheck(out.File("chart.pdf"));
  EXPECT_EQ(check.exitCode, 0) << what << "\n" << check.out;
  const std::string content = testing::PageContent(ReadFile(out.File("chart.pdf")));
  EXPECT_EQ(testing::UnsoundNumbers(content), std::vector<std::string>{}) << what;
  return content;
}

// The line where the drawing first leaves its golden, for the failure message.
std::string FirstDifference(const std::string& golden, const std::string& drawn) {
  const std::size_t at = std::ranges::mismatch(golden, drawn).in1 - golden.begin();
  const std::size_t start = golden.rfind('\n', at - (at > 0)) + 1;  // npos + 1 is 0
  return "golden [" + golden.substr(start, golden.find('\n', at) - start) + "], drawn [" +
         drawn.substr(start, drawn.find('\n', at) - start) + "]";
}

TEST(DrawingTest, EveryChartDrawsItsGolden) {
  int compared = 0;
  for (const std::string& folder : {kSource + "/examples", kSource + "/tests/golden"}) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      if (entry.path().extension() != ".txt") continue;
      const std::string name = entry.path().stem().string();
      const std::string drawn = SoundDrawing({"-Options", name + ".txt"}, folder, name);
      const std::string golden = ReadFile(kSource + "/tests/golden/" + name + ".content");
      EXPECT_TRUE(drawn == golden) << name << " is not drawn as tests/golden/" << name << ".content: "
                                   << FirstDifference(golden, drawn)
                                   << "\nAfter an intended change: make golden, and review the diff.";
      ++compared;
    }
  }
  EXPECT_GE(compared, 10);
}

TEST(DrawingTest, NonFiniteNumbersAreFoundAsLibharuWritesThem) {
  testing::PdfPage pdf;
  pdf.surface.MoveTo(10, 20);
  pdf.surface.LineTo(10, INFINITY);
  pdf.surface.LineTo(-1e30, 30);
  pdf.surface.LineTo(NAN, 20);
  pdf.surface.Stroke();
  const std::vector<std::string> found = testing::UnsoundNumbers(pdf.Content());
  ASSERT_GE(found.size(), 3u) << pdf.Content();
  EXPECT_EQ(found[0], "l 32767");
  EXPECT_EQ(found[1], "l -32767");
  EXPECT_TRUE(testing::UnsoundNumbers("0 0 m 799.5 -0.25 l S [3 2] 0 d").empty());
}

// The lines of extreme_charts.txt that start with the tag, without it and expanded.
std::vector<std::string> TableLines(const std::string& tag) {
  std::istringstream table(ReadFile(kSource + "/tests/e2e/extreme_charts.txt"));
  std::vector<std::string> lines;
  for (std::string line; std::getline(table, line);) {
    if (line.rfind(tag, 0) == 0) lines.push_back(testing::Expand(line.substr(tag.size())));
  }
  return lines;
}

class ExtremeChartTest : public ::testing::TestWithParam<std::string> {};

TEST_P(ExtremeChartTest, EveryCaseDrawsSoundly) {
  const std::vector<std::string> cases = TableLines("case ");
  ASSERT_GE(cases.size(), 20u);
  for (const std::string& c : cases) {
    SoundDrawing(testing::Words(c + " " + GetParam()), "", GetParam() + "\nwith " + c.substr(0, 300), true);
  }
}

// The same cases with the layout's own choices on: margins, turned labels and their spacing. They
// are drawn in the test's process into memory (no process and no qpdf a case, which would double
// the battery's time): the page holds only finite numbers, or the layout left no room.
TEST_P(ExtremeChartTest, EveryCaseDrawsSoundlyWithAutoMarginsAndTurnedThinnedLabels) {
  for (const std::string& c : TableLines("case ")) {
    testing::TestRun t;
    const std::string what = GetParam() + "\nwith " + c.substr(0, 300);
    ASSERT_EQ(PrepareChart(t.run, "-Output chart " + c + " -PageMargin Auto -CategoryLabelAngle 45 "
                                  "-LabelSpacing Auto " + GetParam()),
              0)
        << what;
    std::string pdf;
    if (MakePdfInMemory(t.document, pdf) != 0) {
      EXPECT_EQ(t.LastLine().rfind(kNoRoom, 0), 0u) << what << "\n" << t.LastLine();
      continue;
    }
    EXPECT_EQ(testing::UnsoundNumbers(testing::PageContent(pdf)), std::vector<std::string>{}) << what;
  }
}

// A chart kind is named by its chart words: "-Chart Line Curved ..." is LineCurved.
std::string KindName(const std::string& chart) {
  const std::vector<std::string> words = testing::Words(chart);
  return words.at(1) + words.at(2);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, ExtremeChartTest, ::testing::ValuesIn(TableLines("chart ")),
                         [](const ::testing::TestParamInfo<std::string>& kind) { return KindName(kind.param); });

// A chart with the words of one of the variants for its kind.
struct Variant {
  std::string chart;
  std::string words;
  std::string name;  // the kind and the words' letters: BarV_AxesScaleNiceBarSeriesGrouped
};

std::vector<Variant> Variants() {
  std::vector<Variant> variants;
  for (const std::string& chart : TableLines("chart ")) {
    for (const std::string& line : TableLines("variant ")) {
      const std::string kind = KindName(chart);
      const std::string prefix = line.substr(0, line.find(' '));
      if (kind.rfind(prefix, 0) != 0) continue;
      Variant v{chart, line.substr(prefix.size() + 1), kind + "_"};
      std::ranges::copy_if(v.words, std::back_inserter(v.name), [](char c) { return std::isalnum(c) != 0; });
      variants.push_back(v);
    }
  }
  return variants;
}

// The same checks as the executable's, on runs made in this process with the PDF built in
// memory: the executable's save waits for the disk, which would make these the slowest tests.
class ExtremeVariantTest : public ::testing::TestWithParam<Variant> {};

TEST_P(ExtremeVariantTest, EveryCaseDrawsSoundly) {
  const Variant& variant = GetParam();
  TempDir out;
  for (const std::string& c : TableLines("case ")) {
    const std::string what = variant.name + "\nwith " + c.substr(0, 300);
    testing::TestRun t;
    ASSERT_EQ(PrepareChart(t.run, "-Output chart " + c + " " + variant.words + " " + variant.chart), 0) << what;
    std::string pdf;
    if (MakePdfInMemory(t.document, pdf) != 0) {
      EXPECT_EQ(t.LastLine().rfind(kNoRoom, 0), 0u) << what << "\n" << t.LastLine();
      continue;
    }
    const std::string file = out.Write("chart.pdf", pdf);
    const auto check = testing::QpdfCheck(file);
    EXPECT_EQ(check.exitCode, 0) << what << "\n" << check.out;
    EXPECT_EQ(testing::UnsoundNumbers(testing::PageContent(pdf)), std::vector<std::string>{}) << what;
  }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, ExtremeVariantTest, ::testing::ValuesIn(Variants()),
                         [](const ::testing::TestParamInfo<Variant>& variant) { return variant.param.name; });

}  // namespace
}  // namespace corvane
