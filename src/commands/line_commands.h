// The series commands of line and area charts: line colour and thickness per series, point
// markers per series, and the area's outline and fill.
#pragma once

#include <string>

#include "model/chart_settings.h"

namespace corvane {

struct CommandContext;

const char* LineCommand(CommandContext& run, const char* args);
const char* LineMarkerCommand(CommandContext& run, const char* args);
const char* AreaCommand(CommandContext& run, const char* args);

// Line thicknesses, widths and marker sizes must be greater than 0.0 and at most 100.0.
bool IsValidThickness(double value);

// Where a marker's settings go: LineMarker's entries of one series, or MovingAverageMarker's.
struct MarkerFields {
  MarkerShape& shape;
  RgbColor& color;
  double& size;
  double& outlineThickness;
};

// The failures of a marker in its command's words: formats that show the series number, or,
// for a command of one marker, none.
struct MarkerMessages {
  const char* unknownShape;
  const char* invalidColor;
  const char* noSize;
  const char* sizeOutOfRange;
  const char* noOutlineThickness;
  const char* outlineThicknessOutOfRange;
};

// A marker whose shape word has been read: the shape it names, then from pos its colour, size
// and, for the outline shapes, outline thickness. Logs the failure and returns null.
const char* ReadMarker(CommandContext& run, const std::string& shapeWord, const char* pos,
                       const MarkerFields& marker, const MarkerMessages& messages, int series);

}  // namespace corvane
