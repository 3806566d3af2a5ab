// A chart of a few rows drawn on a test page, and what it wrote read back as text, so that
// the chart tests compare whole operators with worked numbers; or drawn on the recording
// surface, whose calls state the geometry directly.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "charts/chart_plotter.h"
#include "support/pdf_page.h"
#include "support/recording_surface.h"
#include "support/test_run.h"

namespace corvane::testing {

using Rows = std::vector<std::vector<double>>;  // one row of series values per item

// The rows, items labelled I0, I1 ..., drawn in the style into the area {100, 500, 500, 100},
// which the default settings leave whole as the plot: on the scale 0..4 a value v stands at
// y = 100 + 100 v, and the n items of a line or area chart stand 400 / (n - 1) points apart.
struct ChartPage {
  ChartPage(ChartStyle style, const Rows& rows) {
    t.settings.Chart.style = style;
    t.Fill(rows);
    t.run.scale = {0, 4, 4};
  }
  std::vector<PdfOp> Draw() {
    DrawChart(pdf.CanvasFor(t.run), area);
    return pdf.Ops();
  }
  ChartOutcome Record() {
    return DrawChart(Canvas{recording, t.settings, t.data, t.run.scale, t.run.log, recordingFonts}, area);
  }

  TestRun t;
  PdfPage pdf;
  RecordingSurface recording;
  TextFonts recordingFonts{recording, t.settings, t.run.fonts, t.run.log};
  ChartArea area{100, 500, 500, 100};
};

// The operators named in `names` (all when empty) as "operands op; ...", numbers to a hundredth.
inline std::string Written(const std::vector<PdfOp>& ops, const std::string& names = "") {
  std::ostringstream out;
  for (const PdfOp& op : ops) {
    if (!names.empty() && (" " + names + " ").find(" " + op.op + " ") == std::string::npos) continue;
    if (out.tellp() > 0) out << "; ";
    for (const std::string& operand : op.operands) {
      char* end = nullptr;
      const double x = std::strtod(operand.c_str(), &end);
      if (*end == '\0') {
        out << std::round(x * 100) / 100 + 0.0 << ' ';  // + 0.0 turns -0 into 0
      } else {
        out << operand << ' ';
      }
    }
    out << op.op;
  }
  return out.str();
}

// The path painted first after the colour operator `color` ("0 0 0 RG"), up to its paint.
inline std::string PaintedIn(const std::vector<PdfOp>& ops, const std::string& color) {
  auto set = std::find_if(ops.begin(), ops.end(), [&](const PdfOp& op) { return Written({op}) == color; });
  if (set == ops.end()) return "";
  auto paint = std::find_if(set, ops.end(), [](const PdfOp& op) { return op.op == "S" || op.op == "f"; });
  return Written({set + 1, paint == ops.end() ? paint : paint + 1}, "m l c S f");
}

// The path a chart of the rows paints after the colour operator, its settings set up first.
inline std::string PathOf(ChartStyle style, const Rows& rows, const std::function<void(ChartSettings&)>& setUp,
                          const std::string& color) {
  ChartPage page(style, rows);
  if (setUp) setUp(page.t.settings);
  return PaintedIn(page.Draw(), color);
}

}  // namespace corvane::testing
