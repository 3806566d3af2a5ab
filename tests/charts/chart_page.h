// A line or area chart drawn on a test page into the area {100, 500, 500, 100}, which the
// default settings leave whole as the plot: with the scale 0..4, a value v stands at
// y = 100 + 100 v, and n items are 400 / (n - 1) points apart.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "charts/area_chart.h"
#include "charts/line_chart.h"
#include "support/pdf_page.h"
#include "support/test_run.h"

namespace corvane::testing {

using Rows = std::vector<std::vector<double>>;  // one row of series values per item
using Path = std::vector<std::pair<std::string, std::vector<double>>>;

struct ChartPage {
  ChartPage(int style, const Rows& rows) {
    t.settings.Chart.style = style;
    for (std::size_t k = 0; k < rows.size(); ++k) {
      t.data.items[k].label = "I" + std::to_string(k);
      for (std::size_t s = 0; s < rows[k].size(); ++s) t.data.items[k].values[s] = rows[k][s];
    }
    t.data.count = static_cast<int>(rows.size());
    t.data.seriesCount = static_cast<int>(rows[0].size());
    t.run.scale = {0, 4, 4};
  }
  void TimeValues() {  // time rows hold one series and leave seriesCount at 0
    t.data.seriesCount = 0;
    t.data.timeValues = true;
  }
  std::vector<PdfOp> Draw() {
    const Canvas canvas = pdf.CanvasFor(t.run);
    if (t.settings.Chart.style >= kStyleAreaStandard) {
      DrawAreaChart(canvas, area);
    } else {
      DrawLineChart(canvas, area);
    }
    return pdf.Ops();
  }

  TestRun t;
  PdfPage pdf;
  ChartArea area{100, 500, 500, 100};
};

// The path construction and paint operators that follow the first colour operator
// ("RG" or "rg") setting colour c, up to the paint operator; empty when c is never set.
inline Path PaintedIn(const std::vector<PdfOp>& ops, const std::string& colorOp, RgbColor c) {
  Path path;
  std::size_t i = 0;
  auto same = [&](const PdfOp& op) { return std::fabs(op.Num(0) - c.red) + std::fabs(op.Num(1) - c.green) +
                                              std::fabs(op.Num(2) - c.blue) < 1e-4; };
  while (i < ops.size() && !(ops[i].op == colorOp && same(ops[i]))) ++i;
  for (; i < ops.size() && (path.empty() || (path.back().first != "S" && path.back().first != "f")); ++i) {
    const std::string& op = ops[i].op;
    if (op != "m" && op != "l" && op != "c" && op != "S" && op != "f") continue;
    path.push_back({op, {}});
    for (std::size_t j = 0; j < ops[i].operands.size(); ++j) path.back().second.push_back(ops[i].Num(j));
  }
  return path;
}

// Equal operators, and operands equal to a hundredth of a point.
inline void ExpectPath(const Path& got, const Path& want, const std::string& what) {
  ASSERT_EQ(got.size(), want.size()) << what;
  for (std::size_t i = 0; i < want.size(); ++i) {
    EXPECT_EQ(got[i].first, want[i].first) << what << ", step " << i;
    ASSERT_EQ(got[i].second.size(), want[i].second.size()) << what << ", step " << i;
    for (std::size_t j = 0; j < want[i].second.size(); ++j) {
      EXPECT_NEAR(got[i].second[j], want[i].second[j], 0.01) << what << ", step " << i << " operand " << j;
    }
  }
}

// A chart of the rows, set up further, and the path it strokes in the colour.
struct PathCase {
  std::string what;
  int style;
  Rows rows;
  std::function<void(ChartPage&)> setUp;
  Path path;
};

inline void ExpectStrokedPaths(const std::vector<PathCase>& cases, RgbColor color) {
  for (const PathCase& c : cases) {
    ChartPage page(c.style, c.rows);
    if (c.setUp) c.setUp(page);
    ExpectPath(PaintedIn(page.Draw(), "RG", color), c.path, c.what);
  }
}

}  // namespace corvane::testing
