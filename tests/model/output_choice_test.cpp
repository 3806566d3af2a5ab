#include "model/output_choice.h"

#include <gtest/gtest.h>

#include <tuple>

namespace corvane {
namespace {

// The format comes from -Format, else from the name's ending; the name gets the format's
// extension unless it ends so after at least one other character; "-" is standard output.
TEST(OutputChoiceTest, FormatAndFileNameFollowTheNameAndFormat) {
  using enum OutputFormat;
  const std::tuple<const char*, std::optional<OutputFormat>, OutputFormat, const char*> cases[] = {
      {"chart", std::nullopt, kPdf, "chart.pdf"},
      {"chart.pdf", std::nullopt, kPdf, "chart.pdf"},
      {"Chart.PNG", std::nullopt, kPng, "Chart.PNG"},
      {"chart.svg", std::nullopt, kSvg, "chart.svg"},
      {"chart.png.txt", std::nullopt, kPdf, "chart.png.txt.pdf"},
      {".png", std::nullopt, kPdf, ".png.pdf"},
      {"chart.pdf", kPng, kPng, "chart.pdf.png"},
      {"chart.png", kPng, kPng, "chart.png"},
      {"chart.svg", kPdf, kPdf, "chart.svg.pdf"},
      {"chart", kSvg, kSvg, "chart.svg"},
      {"-", std::nullopt, kPdf, ""},
      {"-", kPng, kPng, ""},
      {"-.png", std::nullopt, kPng, "-.png"},
  };
  for (const auto& [name, format, chosen, fileName] : cases) {
    ChartSettings settings;
    settings.Output = name;
    settings.Format = format;
    const OutputChoice output = ChooseOutput(settings);
    EXPECT_EQ(std::tuple(output.format, output.fileName), std::tuple(chosen, std::string(fileName))) << name;
    EXPECT_EQ(output.standardOutput(), std::string(name) == "-") << name;
  }
}

}  // namespace
}  // namespace corvane
