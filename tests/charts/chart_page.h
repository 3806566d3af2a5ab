// A line or area chart drawn on a test page into the area {100, 500, 500, 100}, which the
// default settings leave whole as the plot: with the scale 0..4, a value v stands at
// y = 100 + 100 v, and n items are 400 / (n - 1) points apart.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "charts/area_chart.h"
#include "charts/line_chart.h"
#include "support/pdf_page.h"
#include "support/test_run.h"

namespace corvane::testing {

struct Step {
  std::string op;
  std::vector<double> operands;
};
using Path = std::vector<Step>;

class ChartPage {
 public:
  // One row of series values per item, labelled I0, I1, ...
  ChartPage(int style, const std::vector<std::vector<double>>& rows) {
    t.settings.Chart.style = style;
    for (std::size_t k = 0; k < rows.size(); ++k) {
      t.data.items[k].label = "I" + std::to_string(k);
      for (std::size_t s = 0; s < rows[k].size(); ++s) t.data.items[k].values[s] = rows[k][s];
    }
    t.data.count = static_cast<int>(rows.size());
    t.data.seriesCount = rows.empty() ? 0 : static_cast<int>(rows[0].size());
    t.run.scale = {0, 4, 4};
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

// The operators from the colour operator ("RG" or "rg") that sets the colour, up to and
// including the paint operator that ends the path built after it; empty when not found.
inline std::vector<PdfOp> PaintedIn(const std::vector<PdfOp>& ops, const std::string& colorOp, RgbColor c) {
  for (std::size_t i = 0; i < ops.size(); ++i) {
    if (ops[i].op != colorOp || std::abs(ops[i].Num(0) - c.red) > 1e-4 || std::abs(ops[i].Num(1) - c.green) > 1e-4 ||
        std::abs(ops[i].Num(2) - c.blue) > 1e-4) {
      continue;
    }
    std::size_t end = i;
    while (end < ops.size() && ops[end].op != "S" && ops[end].op != "f") ++end;
    return {ops.begin() + static_cast<long>(i), ops.begin() + static_cast<long>(std::min(end + 1, ops.size()))};
  }
  return {};
}

// The path operators (m, l, c) and the paint operator of got match want to a hundredth.
inline void ExpectPath(const std::vector<PdfOp>& got, const Path& want, const std::string& what) {
  std::vector<PdfOp> path;
  for (const PdfOp& op : got) {
    if (op.op == "m" || op.op == "l" || op.op == "c" || op.op == "S" || op.op == "f") path.push_back(op);
  }
  ASSERT_EQ(path.size(), want.size()) << what << "\n" << Describe(got);
  for (std::size_t i = 0; i < want.size(); ++i) {
    EXPECT_EQ(path[i].op, want[i].op) << what << " step " << i;
    ASSERT_EQ(path[i].operands.size(), want[i].operands.size()) << what << " step " << i;
    for (std::size_t j = 0; j < want[i].operands.size(); ++j) {
      EXPECT_NEAR(path[i].Num(j), want[i].operands[j], 0.01) << what << " step " << i << " operand " << j;
    }
  }
}

}  // namespace corvane::testing
