// PNG and SVG output and documents written to standard output, through the built executable:
// the images are compared with the PDF as poppler draws it, and read by libpng, librsvg and
// qpdf rather than by Corvane's own code.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <map>
#include <regex>

#include "support/process.h"
#include "support/raster.h"
#include "support/test_run.h"

namespace corvane {
namespace {

using testing::ReadFile;
using testing::RunCorvane;
using testing::RunProcess;
using testing::TempDir;
using testing::Unstamped;
using testing::With;
using Lines = std::vector<std::string>;

const std::string kSource = CORVANE_SOURCE_DIR;
const std::vector<std::string> kTypical = {"-Chart", "Bar", "V", "-BarColor", "#3366CC", "#99CCFF", "-Datum",
                                           "North", "12.5", "-Datum", "South", "8", "-Title", "Sales"};

// Every example and one chart of each style the examples leave out: the PNG that Corvane writes,
// and its SVG as librsvg draws it, against the PDF as poppler draws it at 96 dpi.
class FidelityTest : public ::testing::TestWithParam<std::string> {};

TEST_P(FidelityTest, PngAndSvgLookLikeThePdf) {
  const std::filesystem::path options = kSource + "/" + GetParam() + ".txt";
  TempDir dir;
  for (const char* format : {"pdf", "png", "svg"}) {
    const auto r = RunCorvane({"-Options", options.filename(), "-Output", dir.File(std::string("chart.") + format)},
                              options.parent_path());
    ASSERT_EQ(r.exitCode, 0) << r.out;
  }
  ASSERT_EQ(RunProcess("/usr/bin/pdftocairo", {"-png", "-r", "96", "-singlefile", dir.File("chart.pdf"),
                                              dir.File("poppler")}).exitCode, 0);
  ASSERT_EQ(RunProcess("/usr/bin/rsvg-convert", {dir.File("chart.svg"), "-o", dir.File("rsvg.png")}).exitCode, 0);
  const auto pdf = testing::ReadPng(dir.File("poppler.png"));
  const auto png = testing::ReadPng(dir.File("chart.png"));
  const auto svg = testing::ReadPng(dir.File("rsvg.png"));
  ASSERT_TRUE(pdf && png && svg);
  for (const auto& [name, image] : {std::pair("PNG", &*png), std::pair("SVG", &*svg)}) {
    EXPECT_EQ(std::pair(image->width, image->height), std::pair(pdf->width, pdf->height)) << name;
    EXPECT_LE(testing::DifferingShare(*image, *pdf, 64), 0.01) << name;
  }
}

INSTANTIATE_TEST_SUITE_P(Charts, FidelityTest,
                         ::testing::Values("examples/typical-run", "examples/sales-bar", "examples/horizontal-bar",
                                           "examples/line-curved", "examples/area-laps", "examples/pie-spoke",
                                           "tests/golden/line-stepped", "tests/golden/line-times",
                                           "tests/golden/area-standard", "tests/golden/area-curved"),
                         [](const auto& info) {
                           std::string name = std::filesystem::path(info.param).filename();
                           std::erase(name, '-');
                           return name;
                         });

// The chunks of a PNG file by type, each type's data in order.
std::multimap<std::string, std::string> Chunks(const std::string& png) {
  std::multimap<std::string, std::string> chunks;
  const auto number = [&](std::size_t at) {
    std::uint32_t n = 0;
    for (int i = 0; i < 4; ++i) n = n << 8 | static_cast<unsigned char>(png[at + i]);
    return n;
  };
  for (std::size_t at = 8; at + 12 <= png.size();) {
    const std::uint32_t length = number(at);
    chunks.emplace(png.substr(at + 4, 4), png.substr(at + 8, length));
    at += 12 + length;
  }
  return chunks;
}

std::uint32_t Number(const std::string& data, std::size_t at) {
  std::uint32_t n = 0;
  for (int i = 0; i < 4; ++i) n = n << 8 | static_cast<unsigned char>(data[at + i]);
  return n;
}

// The pixel size is the page at the resolution, rounded; pHYs records the resolution in pixels
// per metre; the document texts become text chunks, UTF-8 ones where Latin-1 cannot hold them.
TEST(ImageOutputTest, PngSizeResolutionAndTexts) {
  TempDir dir;
  const std::tuple<int, std::uint32_t, std::uint32_t, std::uint32_t> cases[] = {
      {96, 1067, 800, 3780}, {72, 800, 600, 2835}, {36, 400, 300, 1417}, {150, 1667, 1250, 5906}};
  for (const auto& [dpi, width, height, perMetre] : cases) {
    const auto r = RunCorvane(With(kTypical, {"-Author", "Ann \x80", "-Subject", "Q3", "-Keywords", "k",
                                              "-Creator", "c", "-Resolution", std::to_string(dpi), "-Output", "c.png"}),
                              dir.path());
    ASSERT_EQ(r.exitCode, 0) << r.out;
    const auto chunks = Chunks(ReadFile(dir.File("c.png")));
    const std::string& header = chunks.find("IHDR")->second;
    EXPECT_EQ(std::pair(Number(header, 0), Number(header, 4)), std::pair(width, height)) << dpi;
    const std::string& physical = chunks.find("pHYs")->second;
    EXPECT_EQ(std::tuple(Number(physical, 0), Number(physical, 4), physical[8]), std::tuple(perMetre, perMetre, '\1'));
    const auto image = testing::ReadPng(dir.File("c.png"));
    ASSERT_TRUE(image);
    EXPECT_EQ(std::pair(image->width, image->height), std::pair(static_cast<int>(width), static_cast<int>(height)));
  }
  const auto chunks = Chunks(ReadFile(dir.File("c.png")));
  Lines texts;
  for (const char* type : {"tEXt", "iTXt"}) {
    for (auto [at, end] = chunks.equal_range(type); at != end; ++at) texts.push_back(type + (": " + at->second));
  }
  using namespace std::string_literals;
  EXPECT_EQ(texts, (Lines{"tEXt: Title\0Sales"s, "tEXt: Description\0Q3"s, "tEXt: Keywords\0k"s,
                          "tEXt: Software\0c"s, "iTXt: Author\0\0\0\0\0Ann \u20ac"s}));
}

// The SVG's size is the page in points; its title and description hold the document texts,
// escaped as XML wants them.
TEST(ImageOutputTest, SvgSizeTitleAndDescription) {
  TempDir dir;
  const auto r = RunCorvane({"-Chart", "Pie", "2D", "-Datum", "A", "1", "-Page", "A5", "#FFFFFF", "-Title",
                             "Fish & <Chips>", "-Author", "Ann", "-Output", "c.SVG"},
                            dir.path());
  ASSERT_EQ(r.exitCode, 0) << r.out;
  const std::string svg = ReadFile(dir.File("c.SVG"));
  std::smatch size;
  ASSERT_TRUE(std::regex_search(svg, size, std::regex("<svg [^>]*width=\"([0-9.]+)pt\" height=\"([0-9.]+)pt\"")));
  EXPECT_EQ(std::pair(size[1].str(), size[2].str()), std::pair(std::string("420"), std::string("595")));
  EXPECT_NE(svg.find("<title>Fish &amp; &lt;Chips&gt;</title>\n<desc>Author: Ann</desc>"), std::string::npos);
  // librsvg reads only well-formed XML.
  EXPECT_EQ(RunProcess("/usr/bin/rsvg-convert", {dir.File("c.SVG"), "-o", dir.File("c.png")}).exitCode, 0);
}

// "-Output -": the document alone on standard output, the whole log on standard error, lines
// logged before the reader met "-Output -" included; no file written.
TEST(ImageOutputTest, DocumentToStandardOutputAndLogToStandardError) {
  TempDir dir;
  const auto pdf = RunCorvane(With(kTypical, {"-Output", "-"}), dir.path());
  EXPECT_EQ(pdf.exitCode, 0);
  EXPECT_TRUE(pdf.out.starts_with("%PDF-") && pdf.out.ends_with("%%EOF\n")) << pdf.out.substr(0, 100);
  EXPECT_EQ(Unstamped(pdf.err), (Lines{"Chart type: Bar V", "Data items in chart: 2", "Creating PDF structure in memory...",
                                       "Writing PDF to standard output", "Save complete", "Finished"}));
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
  dir.Write("stdout.pdf", pdf.out);
  EXPECT_EQ(RunProcess("/usr/bin/qpdf", {"--check", dir.File("stdout.pdf")}).exitCode, 0);

  const auto png = RunCorvane(With(kTypical, {"-Output", "-", "-Format", "PNG", "-Log", "run.log"}), dir.path());
  EXPECT_EQ(png.exitCode, 0);
  EXPECT_TRUE(png.out.starts_with("\x89PNG\r\n\x1a\n"));
  const Lines pngLines = Unstamped(png.err);
  EXPECT_NE(std::ranges::find(pngLines, "Writing PNG to standard output"), pngLines.end()) << png.err;
  // The log file is written as always: from its command on.
  EXPECT_EQ(Unstamped(ReadFile(dir.File("run.log")))[0], "Corvane v1.4 Started");

  // A run that fails writes nothing to standard output.
  const auto failed = RunCorvane({"-Output", "-", "-Chart", "Bar", "V", "-Datum", "A", "1"}, dir.path());
  EXPECT_EQ(std::tuple(failed.exitCode, failed.out), std::tuple(1, ""));
  EXPECT_EQ(Unstamped(failed.err), (Lines{"Chart type: Bar V", "ERROR: No bar colors specified", "Finished"}));
}

// A reader that has gone: the write fails with EPIPE and the run with it, instead of the
// process being killed by SIGPIPE.
TEST(ImageOutputTest, AClosedStandardOutputFailsTheRun) {
  TempDir dir;
  int pipe[2];
  ASSERT_EQ(::pipe(pipe), 0);
  close(pipe[0]);
  const int err = open(dir.File("err.txt").c_str(), O_WRONLY | O_CREAT, 0644);
  const std::vector<std::string> args = With(kTypical, {"-Output", "-", "-Format", "SVG"});
  const pid_t child = fork();
  if (child == 0) {
    dup2(pipe[1], 1);
    dup2(err, 2);
    std::vector<char*> argv{const_cast<char*>(CORVANE_EXE)};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(CORVANE_EXE, argv.data());
    _exit(127);
  }
  close(pipe[1]);
  close(err);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
  const Lines lines = Unstamped(ReadFile(dir.File("err.txt")));
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[lines.size() - 2], "ERROR: Output - could not write to standard output, error=32");
}

// What only a PDF can hold: one warning for each such command given, exit code 0 and nothing in
// the errors file.
TEST(ImageOutputTest, PdfOnlyCommandsAreReportedAsIgnored) {
  TempDir dir;
  const auto r = RunCorvane(With(kTypical, {"-HideToolbar", "-Outline", "-HideToolbar", "-PageLayoutOneColumn",
                                            "-Errors", "errors.txt", "-Output", "c.svg"}),
                            dir.path());
  EXPECT_EQ(r.exitCode, 0);
  const Lines lines = Unstamped(r.out);
  EXPECT_EQ(Lines(lines.begin() + 2, lines.begin() + 6),
            (Lines{"WARNING: HideToolbar applies to PDF output only", "WARNING: Outline applies to PDF output only",
                   "WARNING: PageLayoutOneColumn applies to PDF output only", "Creating SVG image in memory..."}));
  EXPECT_FALSE(std::filesystem::exists(dir.File("errors.txt")));
  // A PDF takes them without a word.
  const auto pdf = RunCorvane(With(kTypical, {"-HideToolbar", "-Output", "c"}), dir.path());
  EXPECT_EQ(Unstamped(pdf.out)[2], "Creating PDF structure in memory...");
}

// Without the URW fonts, or any font, where fontconfig looks (here a root with none).
TEST(ImageOutputTest, NoFontFileFailsTheImage) {
  TempDir dir;
  std::filesystem::create_directory(dir.File("root"));
  const auto r = RunCorvane(With(kTypical, {"-Output", "c.png"}), dir.path(), {"FONTCONFIG_SYSROOT=" + dir.File("root")});
  EXPECT_EQ(r.exitCode, 1);
  const Lines lines = Unstamped(r.out);
  EXPECT_NE(std::ranges::find(lines, "ERROR: Output - no font file to draw Times-Roman with"), lines.end()) << r.out;
  EXPECT_FALSE(std::filesystem::exists(dir.File("c.png")));
}

}  // namespace
}  // namespace corvane
