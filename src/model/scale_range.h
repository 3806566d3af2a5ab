// The value range the value axis spans, computed once before drawing.
#pragma once

namespace corvane {

struct ScaleRange {
  double minimum = 0.0;
  double maximum = 0.0;
  double range = 0.0;  // maximum - minimum, never 0 once computed

  // Set only when the scale chose a round step (AxesScale Nice): the number of steps the axis
  // is divided into, and the decimals that step needs in the scale labels. Otherwise the axis
  // has AxesDivisions steps and its labels follow the value text rule.
  int divisions = 0;
  int decimals = 0;

  bool IsRound() const { return divisions > 0; }
  int Divisions(int axesDivisions) const { return IsRound() ? divisions : axesDivisions; }
};

}  // namespace corvane
