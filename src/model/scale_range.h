// The value range the value axis spans, computed once before drawing.
#pragma once

namespace corvane {

struct ScaleRange {
  double minimum = 0.0;
  double maximum = 0.0;
  double range = 0.0;  // maximum - minimum, never 0 once computed
};

}  // namespace corvane
