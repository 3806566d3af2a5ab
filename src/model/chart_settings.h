// Everything the command language can set, with the value each setting has before any
// command runs. Commands write it while the command text is read; afterwards it is only
// read. Each setting carries its command's name; a command that sets several values gives
// a group named after the command with one field per value (AxesLine.width).
#pragma once

#include <array>
#include <string>

#include "model/font_spec.h"
#include "model/rgb_color.h"

namespace corvane {

inline constexpr int kMaxSeries = 10;
inline constexpr int kMaxBarColors = 50;
inline constexpr int kMaxPieColors = 50;
inline constexpr int kFontCount = 14;

inline constexpr char kWebAddress[] = "https://www.tessaly.example/corvane";
inline constexpr char kDefaultProducer[] = "Corvane by Tessaly (https://www.tessaly.example/corvane)";

// Chart style codes (the value of Chart.style).
enum ChartStyle : int {
  kStyleBarVertical = 1,
  kStyleBarHorizontal = 2,
  kStylePie = 3,
  kStyleLineStandard = 4,
  kStyleLineStepped = 5,
  kStyleLineCurved = 6,
  kStyleAreaStandard = 7,
  kStyleAreaStepped = 8,
  kStyleAreaCurved = 9,
};

// AxesLabelYPosition: the side of the value-axis labels and of the Y caption.
enum YLabelPosition : int { kLabelsLeft = 1, kLabelsRight = 2 };

template <typename T, std::size_t N>
constexpr std::array<T, N> Filled(T value) {
  std::array<T, N> a{};
  a.fill(value);
  return a;
}

struct AxesCaptionSettings {
  FontSpec font = TimesRoman(10);
  int alignment = 2;  // X: 1 Left, 2 Centre, 3 Right; Y: 1 Top, 2 Middle, 3 Bottom
  std::string title;
};

// The pie chart's item legend and the data-series legend share one layout.
struct LegendSettings {
  int position = 0;  // 0 none, 1 Above, 2 Below, 3 Left, 4 Right
  RgbColor outlineColor = kBlack;
  double width = 1.0;
  RgbColor backgroundColor = kWhite;
  std::string format;  // entry template; the item legend's only
  FontSpec font = TimesRoman(10);
};

struct ReferenceLineSettings {
  int on = 0;
  RgbColor color = kBlack;
  double thickness = 1.0;
};

struct LabelledLineSettings {
  int on = 0;
  RgbColor color = kBlack;
  double thickness = 1.0;
  double value = 0.0;  // the target line's only
  std::string label;
};

struct ChartSettings {
  // Chart type and page
  struct {
    int type = 0;   // 1 Bar, 2 Pie, 3 Line, 4 Area
    int style = 0;  // ChartStyle
  } Chart;
  struct {
    int width = 800;
    int height = 600;
    RgbColor color = kWhite;
  } Page;
  struct {
    RgbColor fromColor = kColorNotSet;
    RgbColor toColor = kColorNotSet;
  } ChartBackground;

  // Heading
  FontSpec HeadingTitle = TimesRoman(18);
  FontSpec HeadingSubTitle = TimesRoman(14);
  struct {
    int vertical = 2;    // 3 Bottom puts the heading below the chart, anything else above
    int horizontal = 1;  // 1 Left, 2 Centre, 3 Right
  } ChartHeading;

  // Axes
  FontSpec AxesLabelX = TimesRoman(0);
  FontSpec AxesLabelY = TimesRoman(0);
  AxesCaptionSettings AxesCaptionX;
  AxesCaptionSettings AxesCaptionY;
  int AxesLabelYPosition = 1;  // 1 Left, 2 Right
  struct {
    double width = 0.0;  // 0.0: no axis lines
    RgbColor color = kBlack;
    int format = 0;  // 0 XY, 1 Full
  } AxesLine;
  struct {
    int mode = 2;  // 1 FromZero, 2 UnderLowestValue, 3 Range, 4 EitherSide
    int percent = 10;
    double rangeFrom = 0.0;
    double rangeTo = 0.0;
  } AxesScale;
  int AxesDivisions = 10;
  int LabelSpacing = 0;
  int DecimalPoints = 1;
  struct {
    double width = 0.0;  // 0.0: no grid lines
    RgbColor color{0.5f, 0.5f, 0.5f};
  } AxesGridLine;
  struct {
    int dashOn = 0;
    int dashOff = 0;
    int dashPhase = 0;
  } AxesGridLineStyle;

  // Bars
  struct {
    std::array<RgbColor, kMaxBarColors> fromColor{};
    std::array<RgbColor, kMaxBarColors> toColor{};
    int count = 0;
  } BarColor;
  int BarSpacing = 18;
  int BarSize = 0;  // 0: derived from BarSpacing
  struct {
    int position = 6;  // 1 Start .. 7 AxesAndCenter
    std::string format = "TTTT (VVVV)";
  } BarLabel;
  struct {
    double width = 0.0;  // 0.0: no border
    RgbColor color = kBlack;
  } BarBorder;

  // Pie
  struct {
    std::array<RgbColor, kMaxPieColors> color{};
    int count = 0;
  } PieColor;
  struct {
    int on = 0;
    RgbColor color = kBlack;
    double width = 1.0;
  } PieOutlineColor;
  double PiePageMargin = 0.0;
  struct {
    int position = 0;  // 0 none, 8 Inside, 9 Outside, 10 Spoke
    std::string format = "TTTT (VVVV)";
    FontSpec font = TimesRoman(10);
  } PieLabel;

  // Legends
  LegendSettings Legend;
  LegendSettings DataSeriesLegend;
  std::array<std::string, kMaxSeries> DataSeriesLabel;

  // Series lines and markers, one entry per series
  struct {
    std::array<RgbColor, kMaxSeries> color{};
    std::array<double, kMaxSeries> thickness = Filled<double, kMaxSeries>(1.0);
  } Line;
  struct {
    int on = 0;
    std::array<int, kMaxSeries> shape = Filled<int, kMaxSeries>(1);
    std::array<RgbColor, kMaxSeries> color{};
    std::array<double, kMaxSeries> size = Filled<double, kMaxSeries>(5.0);
    std::array<double, kMaxSeries> outlineThickness = Filled<double, kMaxSeries>(1.0);
  } LineMarker;

  // Area
  struct {
    RgbColor lineColor = kBlack;
    double thickness = 1.0;
    RgbColor fillColor = kBlack;
  } Area;

  // Reference lines
  ReferenceLineSettings LineOfBestFit;
  LabelledLineSettings AverageLine;
  LabelledLineSettings TargetLine;
  struct {
    int on = 0;
    int samples = 3;
    RgbColor color = kBlack;
    double thickness = 1.0;
  } MovingAverageLine;
  struct {
    int on = 0;
    int shape = 1;
    RgbColor color = kBlack;
    double size = 5.0;
    double outlineThickness = 1.0;
  } MovingAverageMarker;

  // Entry n (1..14) is 1 once a font argument of some command has named font n; entry 0 is unused.
  std::array<int, kFontCount + 1> FontUsed{};

  // Document and run options
  std::string Output;
  int OpenPDF = 0;
  std::string Producer = kDefaultProducer;
  std::string Creator;
  std::string Author;
  std::string Title;
  std::string Subject;
  std::string Keywords;
  int CreationDate = 0;
  int Outline = 0;
  std::string OutlineTitle;
  std::string OwnerPassword;
  std::string UserPassword;
  int Permissions = 0;
  int ViewerPreferences = 0;
  int PageMode = 0;
  int PageLayout = 0;
  std::string DataSeparator = ",";
};

// The value axis runs horizontally only for horizontal bars.
inline bool ValueAxisIsVertical(const ChartSettings& s) {
  return s.Chart.style == kStyleBarVertical ||
         (s.Chart.style >= kStyleLineStandard && s.Chart.style <= kStyleAreaCurved);
}

}  // namespace corvane
