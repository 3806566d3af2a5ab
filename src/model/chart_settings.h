// Everything the command language can set, with the value each setting has before any
// command runs. Commands write it while the command text is read; afterwards it is only
// read. Each setting carries its command's name; a command that sets several values gives
// a group named after the command with one field per value (AxesLine.width).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/font_spec.h"
#include "model/rgb_color.h"

namespace corvane {

inline constexpr int kMaxSeries = 10;
inline constexpr std::size_t kMaxSeriesLabelLength = 100;
inline constexpr int kMaxBarColors = 50;
inline constexpr int kMaxPieColors = 50;

inline constexpr char kVersion[] = "v1.4";
inline constexpr char kWebAddress[] = "https://www.tessaly.example/corvane";
inline constexpr char kDefaultProducer[] = "Corvane by Tessaly (https://www.tessaly.example/corvane)";

// The values of the keyword settings, one type each.
enum class ChartType { kBar, kPie, kLine, kArea };

enum class ChartStyle {
  kBarVertical,
  kBarHorizontal,
  kPie,
  kLineStandard,
  kLineStepped,
  kLineCurved,
  kAreaStandard,
  kAreaStepped,
  kAreaCurved,
};

enum class HorizontalAlignment { kLeft, kCentre, kRight };
enum class VerticalAlignment { kTop, kMiddle, kBottom };

// AxesLabelYPosition: the side of the value-axis labels and of the Y caption.
enum class YLabelPosition { kLeft, kRight };

// AxesLine.format: two axis lines, or a frame around the plot.
enum class AxesLineFormat { kXY, kFull };

// AxesScale: how the value axis spans the data. Nice runs it from a multiple of a round step to
// a multiple of it, dividing it into the steps it uses.
enum class ScaleMode { kFromZero, kUnderLowestValue, kRange, kEitherSide, kNice };

// BarLabel.position: at the bar (Start, End, Center), at the category axis (Axes), or the item's
// label at the axis and its value at the bar (the AxesAnd positions).
enum class BarLabelPosition { kStart, kEnd, kCenter, kAxes, kAxesAndStart, kAxesAndEnd, kAxesAndCenter };

inline bool IsAxesAndPosition(BarLabelPosition position) {
  return position == BarLabelPosition::kAxesAndStart || position == BarLabelPosition::kAxesAndEnd ||
         position == BarLabelPosition::kAxesAndCenter;
}

// BarBase: where bars start, at the value axis minimum or at 0.
enum class BarBase { kMinimum, kZero };

// BarSeries: the first series only, one bar per series side by side in each item's slot, or the
// series stacked on one another.
enum class BarSeries { kFirst, kGrouped, kStacked };

// SpokeUpright is Spoke with the labels of the left half turned round, so that they read left to right.
enum class PieLabelPosition { kInside, kOutside, kSpoke, kSpokeUpright };

// DatasetHeader: whether the first line of a dataset file names the series (Auto: when it
// reads as names rather than values).
enum class DatasetHeader { kAuto, kYes, kNo };

enum class LegendPosition { kAbove, kBelow, kLeft, kRight };

enum class MarkerShape {
  kFilledCircle,
  kOutlineCircle,
  kFilledSquare,
  kOutlineSquare,
  kCross,
  kFilledDiamond,
  kOutlineDiamond,
};

// The outline shapes and the cross are stroked, so only they take an outline thickness.
inline bool IsOutlineShape(MarkerShape shape) {
  return shape == MarkerShape::kOutlineCircle || shape == MarkerShape::kOutlineSquare ||
         shape == MarkerShape::kCross || shape == MarkerShape::kOutlineDiamond;
}

// How a viewer first shows the document: the last command given wins.
enum class PageMode { kUseNone, kUseOutlines, kUseThumbs, kFullScreen };
enum class PageLayout { kSinglePage, kOneColumn, kTwoColumnLeft, kTwoColumnRight };

// The file format the chart is written in.
enum class OutputFormat { kPdf, kPng, kSvg };

// The Permissions bits, each added by its command; the PDF's own values.
inline constexpr int kPermitPrint = 4;
inline constexpr int kPermitEditAll = 8;
inline constexpr int kPermitCopy = 16;
inline constexpr int kPermitEdit = 32;

// The ViewerPreferences bits, each added by its command; the PDF library's own values.
inline constexpr int kHideToolbar = 1;
inline constexpr int kHideMenubar = 2;
inline constexpr int kHideWindowUi = 4;
inline constexpr int kFitWindow = 8;
inline constexpr int kCenterWindow = 16;

// A whole number, or Auto: left for the layout to choose when the chart is drawn.
struct WholeOrAuto {
  bool automatic = false;
  int value = 0;  // when not automatic
};

template <typename T, std::size_t N>
constexpr std::array<T, N> Filled(T value) {
  std::array<T, N> a{};
  a.fill(value);
  return a;
}

// The X caption is aligned along its axis by a HorizontalAlignment, the Y caption by a
// VerticalAlignment.
template <typename Alignment>
struct AxesCaptionSettings {
  FontSpec font = TimesRoman(10);
  Alignment alignment;
  std::string title;
};

// The pie chart's item legend and the data-series legend share one layout.
struct LegendSettings {
  std::optional<LegendPosition> position;  // none: no legend
  RgbColor outlineColor = kBlack;
  double width = 1.0;
  RgbColor backgroundColor = kWhite;
  std::string format;  // entry template; the item legend's only
  FontSpec font = TimesRoman(10);
};

struct ReferenceLineSettings {
  bool on = false;
  RgbColor color = kBlack;
  double thickness = 1.0;
};

struct LabelledLineSettings {
  bool on = false;
  RgbColor color = kBlack;
  double thickness = 1.0;
  double value = 0.0;  // the target line's only
  std::string label;
};

struct ChartSettings {
  // Chart type and page
  struct {
    std::optional<ChartType> type;
    std::optional<ChartStyle> style;
  } Chart;
  struct {
    int width = 800;
    int height = 600;
    RgbColor color = kWhite;
  } Page;
  struct ChartBackgroundColors {
    RgbColor fromColor;
    RgbColor toColor;
  };
  std::optional<ChartBackgroundColors> ChartBackground;  // none: no background
  // Points between the page's edges and the chart area, headings included; none: 5 without
  // headings and 0 with them.
  std::optional<WholeOrAuto> PageMargin;

  // Heading
  FontSpec HeadingTitle = TimesRoman(18);
  FontSpec HeadingSubTitle = TimesRoman(14);
  struct {
    VerticalAlignment vertical = VerticalAlignment::kTop;  // kBottom puts the heading below the chart
    HorizontalAlignment horizontal = HorizontalAlignment::kLeft;
  } ChartHeading;

  // Axes
  FontSpec AxesLabelX = TimesRoman(0);
  FontSpec AxesLabelY = TimesRoman(0);
  AxesCaptionSettings<HorizontalAlignment> AxesCaptionX{TimesRoman(10), HorizontalAlignment::kCentre, ""};
  AxesCaptionSettings<VerticalAlignment> AxesCaptionY{TimesRoman(10), VerticalAlignment::kMiddle, ""};
  YLabelPosition AxesLabelYPosition = YLabelPosition::kLeft;
  struct {
    double width = 0.0;  // 0.0: no axis lines
    RgbColor color = kBlack;
    AxesLineFormat format = AxesLineFormat::kXY;
  } AxesLine;
  struct {
    ScaleMode mode = ScaleMode::kUnderLowestValue;
    int percent = 10;
    double rangeFrom = 0.0;
    double rangeTo = 0.0;
    bool rangeFromTime = false;  // the end was written as a time value (milliseconds)
    bool rangeToTime = false;
  } AxesScale;
  int AxesDivisions = 10;
  std::optional<WholeOrAuto> LabelSpacing;  // none: every category label
  int CategoryLabelAngle = 0;               // degrees the category labels are turned by
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
  std::optional<int> BarSize;  // none: derived from BarSpacing
  struct {
    BarLabelPosition position = BarLabelPosition::kAxesAndEnd;
    std::string format = "TTTT (VVVV)";
  } BarLabel;
  struct {
    double width = 0.0;  // 0.0: no border
    RgbColor color = kBlack;
  } BarBorder;
  std::optional<corvane::BarBase> BarBase;  // none: Zero on a Nice scale, Minimum otherwise
  corvane::BarSeries BarSeries = BarSeries::kFirst;

  // Pie
  struct {
    std::array<RgbColor, kMaxPieColors> color{};
    int count = 0;
  } PieColor;
  struct {
    bool on = false;
    RgbColor color = kBlack;
    double width = 1.0;
  } PieOutlineColor;
  double PiePageMargin = 0.0;
  struct {
    std::optional<PieLabelPosition> position;  // none: no slice labels
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
    bool on = false;
    std::array<MarkerShape, kMaxSeries> shape = Filled<MarkerShape, kMaxSeries>(MarkerShape::kFilledCircle);
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
    bool on = false;
    int samples = 3;
    RgbColor color = kBlack;
    double thickness = 1.0;
  } MovingAverageLine;
  struct {
    bool on = false;
    MarkerShape shape = MarkerShape::kFilledCircle;
    RgbColor color = kBlack;
    double size = 5.0;
    double outlineThickness = 1.0;
  } MovingAverageMarker;

  // Set for each font a font argument of some command has named, by FontIndex.
  std::array<bool, kFontCount> FontUsed{};
  // The TrueType fonts the run named, by -Font or by an installed family's name, which font
  // specs refer to by their place here (FontSpec::named).
  std::vector<NamedFont> Fonts;

  // Document and run options
  std::string Output;
  bool OpenPDF = false;
  std::string Producer = kDefaultProducer;
  std::string Creator;
  std::string Author;
  std::string Title;
  std::string Subject;
  std::string Keywords;
  bool CreationDate = false;
  bool Outline = false;
  std::string OutlineTitle;
  std::string OwnerPassword;
  std::string UserPassword;
  int Permissions = 0;        // kPermit... bits
  int ViewerPreferences = 0;  // kHide..., kFitWindow and kCenterWindow bits
  corvane::PageMode PageMode = PageMode::kUseNone;
  corvane::PageLayout PageLayout = PageLayout::kSinglePage;
  // The format -Format chose; unset, the output name's extension decides.
  std::optional<OutputFormat> Format;
  int Resolution = 96;  // pixels per inch of a PNG
  // The commands given that only a PDF can hold (viewer preferences, page mode and layout, the
  // outline), each once, in the order first given, by the names their messages use.
  std::vector<std::string> PdfOnlyCommands;
  std::string DataSeparator = ",";
  corvane::DatasetHeader DatasetHeader = DatasetHeader::kAuto;
  // The fields of a dataset line that hold the label and the values, each a header name or a
  // position counting from 1; no label: the line's own order, label first.
  struct {
    std::string label;
    std::vector<std::string> values;
  } DatasetColumns;
};

// The value axis runs horizontally only for horizontal bars.
inline bool ValueAxisIsVertical(const ChartSettings& s) {
  return s.Chart.style && s.Chart.style != ChartStyle::kBarHorizontal && s.Chart.style != ChartStyle::kPie;
}

inline bool IsBarChart(const ChartSettings& s) {
  return s.Chart.style == ChartStyle::kBarVertical || s.Chart.style == ChartStyle::kBarHorizontal;
}

// Whether bars start at 0 rather than at the value-axis minimum: stacked bars always do, others
// as BarBase says, which a Nice scale turns to Zero unless BarBase Minimum was given.
inline bool BarsFromZero(const ChartSettings& s) {
  if (s.BarSeries == BarSeries::kStacked) return true;
  return s.BarBase.value_or(s.AxesScale.mode == ScaleMode::kNice ? BarBase::kZero : BarBase::kMinimum) ==
         BarBase::kZero;
}

}  // namespace corvane
