#include "model/output_choice.h"

#include <string_view>

#include "platform/compare.h"

namespace corvane {
namespace {

constexpr OutputFormat kFormats[] = {OutputFormat::kPdf, OutputFormat::kPng, OutputFormat::kSvg};

std::string Extension(OutputFormat format) {
  switch (format) {
    case OutputFormat::kPdf: return ".pdf";
    case OutputFormat::kPng: return ".png";
    case OutputFormat::kSvg: return ".svg";
  }
  return ".pdf";
}

bool EndsWith(const std::string& name, OutputFormat format) {
  const std::string extension = Extension(format);
  return name.size() > extension.size() &&
         EqualsNoCase(std::string_view(name).substr(name.size() - extension.size()), extension);
}

}  // namespace

const char* FormatName(OutputFormat format) {
  switch (format) {
    case OutputFormat::kPdf: return "PDF";
    case OutputFormat::kPng: return "PNG";
    case OutputFormat::kSvg: return "SVG";
  }
  return "PDF";
}

OutputChoice ChooseOutput(const ChartSettings& settings) {
  const std::string& name = settings.Output;
  OutputChoice choice;
  if (settings.Format) {
    choice.format = *settings.Format;
  } else {
    for (const OutputFormat format : kFormats) {
      if (EndsWith(name, format)) choice.format = format;
    }
  }
  if (name == "-") return choice;
  choice.fileName = EndsWith(name, choice.format) ? name : name + Extension(choice.format);
  return choice;
}

}  // namespace corvane
