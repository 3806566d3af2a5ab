#include "cairo/image_document.h"

#include <cairo-svg.h>
#include <cairo.h>

#include <cmath>
#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <system_error>
#include <thread>
#include <vector>

#include "cairo/cairo_fonts.h"
#include "cairo/cairo_surface.h"
#include "cairo/image_libraries.h"
#include "cairo/png_encoder.h"
#include "charts/page_layout.h"
#include "model/output_choice.h"
#include "pdf/standard_font_metrics.h"
#include "platform/encoding.h"
#include "platform/log.h"
#include "platform/processors.h"
#include "render/background.h"

namespace corvane {
namespace {

cairo_status_t AppendTo(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

// Glyphs drawn from their outlines as they are, as a PDF reader draws them, smoothed.
void SetFontOptions(cairo_t* cairo) {
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_set_font_options(cairo, options);
  cairo_font_options_destroy(options);
}

std::vector<PngText> PngTexts(const ChartSettings& s) {
  const std::pair<const char*, const std::string*> entries[] = {
      {"Title", &s.Title},       {"Author", &s.Author},     {"Description", &s.Subject},
      {"Keywords", &s.Keywords}, {"Software", &s.Creator},
  };
  std::vector<PngText> texts;
  for (const auto& [keyword, text] : entries) {
    if (!text->empty()) texts.push_back({keyword, *text});
  }
  return texts;
}

// The text as XML character data: markup characters escaped, and the control characters that
// XML cannot hold left out.
std::string XmlText(const std::string& utf8) {
  std::string out;
  for (const char c : utf8) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      default:
        if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n' || c == '\r') out += c;
    }
  }
  return out;
}

// The title, and a description of the subject, author, keywords and creator, as the first
// elements of the SVG.
void AddSvgTexts(std::string& svg, const ChartSettings& s) {
  std::string elements;
  if (!s.Title.empty()) elements += "<title>" + XmlText(s.Title) + "</title>\n";
  std::string description = s.Subject;
  const std::pair<const char*, const std::string*> entries[] = {
      {"Author: ", &s.Author}, {"Keywords: ", &s.Keywords}, {"Creator: ", &s.Creator}};
  for (const auto& [name, text] : entries) {
    if (text->empty()) continue;
    if (!description.empty()) description += '\n';
    description += name + *text;
  }
  if (!description.empty()) elements += "<desc>" + XmlText(description) + "</desc>\n";
  const std::size_t root = svg.find("<svg");
  const std::size_t end = root == std::string::npos ? root : svg.find('>', root);
  if (end != std::string::npos) svg.insert(end + 1, "\n" + elements);
}

// cairo names each surface in an SVG after a number counted across the whole process, so the
// same chart would name its page "surface1" as a process of its own and another name in a batch,
// where other charts, in other threads, count too. The names are given again, from 1 in the
// order cairo counted them, as a process of its own gives them.
void NumberSurfacesFromOne(std::string& svg) {
  constexpr std::string_view kName = "surface";
  std::map<long, long> renumbered;
  const auto forEachName = [&](const auto& visit) {
    for (std::size_t at = svg.find(kName); at != std::string::npos; at = svg.find(kName, at + 1)) {
      const bool named = (at >= 4 && svg.compare(at - 4, 4, "id=\"") == 0) || (at >= 1 && svg[at - 1] == '#');
      std::size_t end = at + kName.size();
      while (end < svg.size() && svg[end] >= '0' && svg[end] <= '9') ++end;
      if (named && end > at + kName.size() && end - at - kName.size() < 10) visit(at + kName.size(), end);
    }
  };
  forEachName([&](std::size_t from, std::size_t to) { renumbered[std::stol(svg.substr(from, to - from))] = 0; });
  long next = 0;
  for (auto& [number, given] : renumbered) given = ++next;
  forEachName([&](std::size_t from, std::size_t to) {
    svg.replace(from, to - from, std::to_string(renumbered[std::stol(svg.substr(from, to - from))]));
  });
}

// The page, its headings and its chart. Returns false when the chart was refused (logged).
bool DrawPage(DocumentRun& run, cairo_t* cairo, CairoFonts& fonts) {
  const ChartSettings& s = run.settings;
  // The paper: a PDF reader shows white where the page is not painted.
  cairo_set_source_rgb(cairo, s.Page.color.red, s.Page.color.green, s.Page.color.blue);
  cairo_paint(cairo);

  CairoSurface surface(cairo, s.Page.width, s.Page.height, fonts);
  DrawPageBackground(surface, s);
  TextFonts textFonts(surface, s, run.fonts, run.log);
  const Canvas canvas{surface, s, run.data, run.scale, run.log, textFonts};
  switch (DrawChartPage(canvas)) {
    case ChartOutcome::kDrawn:
      return true;
    case ChartOutcome::kSliceRunsBackwards:
      run.log.LogMessage("ERROR: Chart - a pie slice of a negative value cannot be drawn");
      return false;
    case ChartOutcome::kNoRoom:  // the chart has said why
      return false;
  }
  return false;
}

// Reports a failure inside cairo; returns false.
bool CairoFailed(DocumentRun& run, OutputFormat format, cairo_status_t status) {
  run.log.LogMessage("ERROR: Output - could not draw the %s: %s", FormatName(format), cairo_status_to_string(status));
  return false;
}

// What drawing on a cairo context came to: whether the chart was drawn, and cairo's state.
struct Drawing {
  bool drawn = false;
  cairo_status_t status = CAIRO_STATUS_SUCCESS;
};

// The page drawn on the context, which is destroyed; fonts of the drawing's own.
Drawing DrawOn(DocumentRun& run, cairo_t* cairo) {
  SetFontOptions(cairo);
  StandardFontMetrics metrics;
  CairoFonts fonts(metrics, run.log);
  Drawing drawing;
  drawing.drawn = DrawPage(run, cairo, fonts) && !fonts.missing();
  drawing.status = cairo_status(cairo);
  cairo_destroy(cairo);
  return drawing;
}

// Columns [left, left + columns) of the image drawn into the pixels, which hold the image's
// rows stride bytes apart. A whole number of pixels moves no edge within a pixel.
Drawing DrawColumns(DocumentRun& run, unsigned char* pixels, int stride, int height, int left, int columns) {
  cairo_surface_t* target = cairo_image_surface_create_for_data(pixels + static_cast<std::ptrdiff_t>(left) * 4,
                                                                CAIRO_FORMAT_RGB24, columns, height, stride);
  cairo_t* cairo = cairo_create(target);
  cairo_translate(cairo, -left, 0);
  const double scale = run.settings.Resolution / 72.0;
  cairo_scale(cairo, scale, scale);
  Drawing drawing = DrawOn(run, cairo);
  cairo_surface_flush(target);
  if (drawing.status == CAIRO_STATUS_SUCCESS) drawing.status = cairo_surface_status(target);
  cairo_surface_destroy(target);
  return drawing;
}

// The PNG, drawn in two halves, left and right: each is a drawing of the whole page that cairo
// rasterises only within its columns, and rasterising is most of a large chart's cost. The right
// half is drawn in a second thread where there is a processor for it, making the page again with
// fonts and a log of its own that reports nothing (the left half says what there is to say).
// The halves are drawn on every machine, so the pixels do not depend on the processors.
bool DrawPng(DocumentRun& run, std::string& image) {
  const ChartSettings& s = run.settings;
  const PixelSize size = ImagePixels(s);
  // The image's pixels, which the halves draw into through surfaces of their own.
  cairo_surface_t* whole =
      cairo_image_surface_create(CAIRO_FORMAT_RGB24, static_cast<int>(size.width), static_cast<int>(size.height));
  if (const cairo_status_t status = cairo_surface_status(whole); status != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(whole);
    return CairoFailed(run, OutputFormat::kPng, status);
  }
  unsigned char* pixels = cairo_image_surface_get_data(whole);
  const int width = cairo_image_surface_get_width(whole);
  const int height = cairo_image_surface_get_height(whole);
  const int stride = cairo_image_surface_get_stride(whole);

  const int right = width / 2;  // the columns of the right half
  SilentLog quiet;
  FontLibrary rightFonts;
  DocumentRun again{s, run.data, run.scale, run.clock, quiet, rightFonts, 1};
  const auto drawRight = [&] { return DrawColumns(again, pixels, stride, height, width - right, right); };
  Drawing second;
  std::jthread helper;  // joined however the drawing here ends
  const int threads = run.drawingThreads > 0 ? run.drawingThreads : ProcessorCount();
  if (threads >= 2) {
    try {
      helper = std::jthread([&] { second = drawRight(); });
    } catch (const std::system_error&) {
      // No thread to be had: the right half is drawn after the left one.
    }
  }
  const Drawing first = DrawColumns(run, pixels, stride, height, 0, width - right);
  if (helper.joinable()) {
    helper.join();
  } else {
    second = drawRight();
  }

  const cairo_status_t status = first.status != CAIRO_STATUS_SUCCESS ? first.status : second.status;
  bool drawn = first.drawn && second.drawn;
  if (first.drawn && status != CAIRO_STATUS_SUCCESS) drawn = CairoFailed(run, OutputFormat::kPng, status);
  if (drawn) image = EncodePng(pixels, width, height, stride, s.Resolution, PngTexts(s), threads);
  cairo_surface_destroy(whole);
  return drawn;
}

bool DrawSvg(DocumentRun& run, std::string& image) {
  const ChartSettings& s = run.settings;
  cairo_surface_t* target = cairo_svg_surface_create_for_stream(AppendTo, &image, s.Page.width, s.Page.height);
  cairo_svg_surface_set_document_unit(target, CAIRO_SVG_UNIT_PT);
  Drawing drawing = DrawOn(run, cairo_create(target));
  cairo_surface_finish(target);
  if (drawing.status == CAIRO_STATUS_SUCCESS) drawing.status = cairo_surface_status(target);
  cairo_surface_destroy(target);
  if (drawing.drawn && drawing.status != CAIRO_STATUS_SUCCESS) return CairoFailed(run, OutputFormat::kSvg, drawing.status);
  if (!drawing.drawn) return false;
  NumberSurfacesFromOne(image);
  AddSvgTexts(image, s);
  return true;
}

}  // namespace

PixelSize ImagePixels(const ChartSettings& s) {
  const double scale = s.Resolution / 72.0;
  return {std::lround(s.Page.width * scale), std::lround(s.Page.height * scale)};
}

int MakeImageInMemory(DocumentRun& run, OutputFormat format, std::string& image) {
  run.log.LogMessage("Creating %s image in memory...", FormatName(format));
  if (std::string why; !LoadImageLibraries(why)) {
    run.log.LogMessage("ERROR: Output - could not draw the %s: %s", FormatName(format), why.c_str());
    return 1;
  }
  image.clear();
  const bool drawn = format == OutputFormat::kPng ? DrawPng(run, image) : DrawSvg(run, image);
  if (!drawn) image.clear();
  return drawn ? 0 : 1;
}

}  // namespace corvane
