// Turns a run's settings and data into a PNG or an SVG of its page, drawn with cairo by the
// layout the PDF is drawn by: the page colour, the headings and the chart. The PNG records
// its resolution and the document's texts (Title, Author, Description, Keywords, Software);
// the SVG, in points, its title and description. The image is built in memory; the run
// sequence saves it.
#pragma once

#include <string>

#include "model/chart_settings.h"
#include "pdf/document_run.h"

namespace corvane {

// The PNG's size in pixels: the page at the resolution, each side rounded to the nearest pixel.
struct PixelSize {
  long width;
  long height;
};
PixelSize ImagePixels(const ChartSettings& settings);

// The most pixels a side of a PNG may have (cairo's own limit).
inline constexpr long kMaxImageSide = 32767;

// Builds the image of the format (PNG or SVG) into image. Returns 0, or 1 when it could not
// be drawn; every failure has been logged.
int MakeImageInMemory(DocumentRun& run, OutputFormat format, std::string& image);

}  // namespace corvane
