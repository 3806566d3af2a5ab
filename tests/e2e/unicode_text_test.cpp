// Text in any language, end to end, read back by independent readers: poppler's pdftotext,
// pdffonts and pdfinfo, and qpdf. The European scripts need only fonts-dejavu-core, which
// install-deps.sh installs; the Chinese cases run only where a CJK font is installed.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "support/process.h"
#include "support/test_run.h"

namespace corvane {
namespace {

using testing::ReadFile;
using testing::RunCorvane;
using testing::RunProcess;
using testing::TempDir;
using testing::Unstamped;
using testing::With;

const std::vector<std::string> kChart = {"-Chart", "Bar", "V", "-BarColor", "#3366CC", "#99CCFF"};

// The text of the PDF as pdftotext reads it, in reading order, lines joined by blanks.
std::string ExtractedText(const std::string& pdf) {
  std::string text = RunProcess("/usr/bin/pdftotext", {"-raw", pdf, "-"}).out;
  text = std::regex_replace(text, std::regex("[\\s\\f]+"), " ");
  return text;
}

// pdffonts' rows: name, type, encoding, embedded, subset.
std::vector<std::vector<std::string>> Fonts(const std::string& pdf) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream lines(RunProcess("/usr/bin/pdffonts", {pdf}).out);
  std::string line;
  for (int n = 0; std::getline(lines, line); ++n) {
    if (n < 2) continue;
    const std::smatch m = [&] {
      std::smatch match;
      std::regex_search(line, match, std::regex("^(\\S+)\\s+(.+?)\\s{2,}(\\S+)\\s+(yes|no)\\s+(yes|no)"));
      return match;
    }();
    if (!m.empty()) rows.push_back({m[1], m[2], m[3], m[4], m[5]});
  }
  return rows;
}

bool HasCjkFont() {
  static const bool has = [] {
    TempDir dir;
    const auto r = RunCorvane(With(kChart, {"-Datum", "A", "1", "-Title", "\xE4\xBA\xBA", "-Output", "c"}), dir.path());
    return r.exitCode == 0 && r.out.find("WARNING:") == std::string::npos;
  }();
  return has;
}

// Each script's title, category labels, legend and pie labels extract as typed, drawn in
// embedded subsets of TrueType fonts and never as "?".
TEST(UnicodeTextTest, EveryScriptDrawsAndExtractsAsTyped) {
  struct Case { const char* script; std::string title, first, second; bool cjk; } cases[] = {
      {"Greek", "\xCE\xA0\xCE\xBB\xCE\xB7\xCE\xB8\xCF\x85\xCF\x83\xCE\xBC\xCF\x8C\xCF\x82", "\xCE\x91\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1",
       "\xCE\xA3\xCF\x80\xCE\xAC\xCF\x81\xCF\x84\xCE\xB7", false},  // Πληθυσμός, Αθήνα, Σπάρτη
      {"Cyrillic", "\xD0\x9D\xD0\xB0\xD1\x81\xD0\xB5\xD0\xBB\xD0\xB5\xD0\xBD\xD0\xB8\xD0\xB5", "\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0",
       "\xD0\x9A\xD0\xB8\xD0\xB5\xD0\xB2", false},  // Население, Москва, Киев
      {"Polish", "\xC5\x81\xC3\xB3\xC5\xBA", "Gda\xC5\x84sk", "\xC5\x81\xC3\xB3" "d\xC5\xBA", false},  // Łóź, Gdańsk, Łódź
      {"Chinese", "\xE4\xBA\xBA\xE5\x8F\xA3", "\xE5\x8C\x97\xE4\xBA\xAC", "\xE4\xB8\x8A\xE6\xB5\xB7", true},  // 人口, 北京, 上海
  };
  for (const Case& c : cases) {
    if (c.cjk && !HasCjkFont()) {
      std::cout << "[  SKIPPED ] the " << c.script << " case: no CJK font is installed (fonts-wqy-zenhei has one)\n";
      continue;
    }
    TempDir dir;
    const auto bar = RunCorvane(With(kChart, {"-Title", c.title, "-AxesLabelX", "10", "Helvetica", "#000000", "Normal",
                                              "-BarLabel", "Axes", "TTTT", "-Datum", c.first, "2", "-Datum", c.second, "1",
                                              "-Output", "bar"}),
                                dir.path());
    const auto pie = RunCorvane({"-Chart", "Pie", "2D", "-PieColor", "#1B9E77", "-PieColor", "#D95F02", "-PieLabel",
                                 "Outside", "TTTT", "10", "Times-Roman", "#000000", "Normal", "-Legend", "Right",
                                 "#555555", "0.5", "#FAFAFA", "TTTT", "10", "Helvetica-Bold", "#222222", "Normal",
                                 "-Datum", c.first, "2", "-Datum", c.second, "1", "-Output", "pie"},
                                dir.path());
    ASSERT_EQ(bar.exitCode, 0) << c.script << bar.out;
    ASSERT_EQ(pie.exitCode, 0) << c.script << pie.out;
    EXPECT_EQ(bar.out.find("WARNING"), std::string::npos) << c.script;
    EXPECT_EQ(ExtractedText(dir.File("bar.pdf")), c.title + " " + c.first + " " + c.second + " ") << c.script;
    const std::string pieText = ExtractedText(dir.File("pie.pdf"));
    for (const std::string& word : {c.first, c.second}) {
      // Once in the legend and once beside the slice.
      int count = 0;
      for (std::size_t at = pieText.find(word); at != std::string::npos; at = pieText.find(word, at + 1)) ++count;
      EXPECT_EQ(count, 2) << c.script << ": " << pieText;
    }
    for (const std::string pdf : {"bar.pdf", "pie.pdf"}) {
      int trueType = 0;
      for (const auto& font : Fonts(dir.File(pdf))) {
        if (font[1] != "CID TrueType") continue;
        ++trueType;
        EXPECT_EQ(font[3] + " " + font[4], "yes yes") << c.script << " " << font[0];
      }
      EXPECT_GE(trueType, 1) << c.script << " " << pdf;
    }
  }
}

// Text whose characters all exist in Windows-1252 stays in the standard fonts, whether it was
// typed in UTF-8 or comes from a file in Windows-1252: the two PDFs are the same.
TEST(UnicodeTextTest, Windows1252TextKeepsTheStandardFonts) {
  TempDir dir;
  dir.Write("utf8.txt", "-Title \"Caf\xC3\xA9 \xE2\x82\xAC 5 \xE2\x80\x93 \xE2\x80\x9E\xC3\x9C\xE2\x80\x9C\"\n-Dataset d.csv\n");
  dir.Write("cp1252.txt", "-Title \"Caf\xE9 \x80 5 \x96 \x84\xDC\x93\"\n-Dataset d.csv\n");
  dir.Write("d.csv", "K\xF6ln,3\nM\xFCnchen,4\n");  // Köln, München, in Windows-1252
  for (const std::string name : {"utf8", "cp1252"}) {
    const auto r = RunCorvane(With(kChart, {"-Options", name + ".txt", "-AxesLabelX", "9", "Courier", "0", "0", "0",
                                            "Normal", "-BarLabel", "Axes", "TTTT", "-Output", name}),
                              dir.path());
    ASSERT_EQ(r.exitCode, 0) << r.out;
  }
  EXPECT_EQ(ReadFile(dir.File("utf8.pdf")), ReadFile(dir.File("cp1252.pdf")));
  for (const auto& font : Fonts(dir.File("utf8.pdf"))) EXPECT_EQ(font[1], "Type 1") << font[0];
  EXPECT_EQ(ExtractedText(dir.File("utf8.pdf")),
            "Caf\xC3\xA9 \xE2\x82\xAC 5 \xE2\x80\x93 \xE2\x80\x9E\xC3\x9C\xE2\x80\x9C K\xC3\xB6ln M\xC3\xBCnchen ");
}

// A centred heading stays centred: the layout measures with the widths the embedded font
// carries, which a reader lays the text out by.
TEST(UnicodeTextTest, ACentredHeadingStaysCentred) {
  std::vector<std::string> titles = {"\xCE\xA0\xCE\xBB\xCE\xB7\xCE\xB8\xCF\x85\xCF\x83\xCE\xBC\xCF\x8C\xCF\x82",
                                     "\xD0\x9D\xD0\xB0\xD1\x81\xD0\xB5\xD0\xBB\xD0\xB5\xD0\xBD\xD0\xB8\xD0\xB5"};
  if (HasCjkFont()) titles.push_back("\xE4\xBA\xBA\xE5\x8F\xA3\xD7\x90");  // 人口 and a Hebrew letter: two fonts
  for (const std::string& title : titles) {
    TempDir dir;
    const auto r = RunCorvane(With(kChart, {"-Datum", "A", "1", "-ChartHeading", "Top", "Centre", "-HeadingTitle", "30",
                                            "Times-Bold", "#000000", "Normal", "-Title", title, "-Output", "c"}),
                              dir.path());
    ASSERT_EQ(r.exitCode, 0) << r.out;
    const std::string boxes = RunProcess("/usr/bin/pdftotext", {"-bbox", dir.File("c.pdf"), "-"}).out;
    std::smatch word;
    double left = 1e9, right = -1e9;
    const std::regex box("<word xMin=\"([0-9.]+)\" yMin=\"[0-9.]+\" xMax=\"([0-9.]+)\"");
    for (auto it = boxes.cbegin(); std::regex_search(it, boxes.cend(), word, box); it = word.suffix().first) {
      left = std::min(left, std::stod(word[1]));
      right = std::max(right, std::stod(word[2]));
    }
    EXPECT_NEAR(left + right, 800, 0.01) << title << ": " << left << " to " << right;
  }
}

// Category labels turned upright take the room below the plot that their widths in the font
// they are drawn in need: the longest ends under the plot and starts a descender's depth or so
// above the 5 points the page keeps free, and every label ends at the same height (within the
// point its width is truncated to).
TEST(UnicodeTextTest, TurnedLabelsTakeTheRoomTheirFontNeeds) {
  // Κωνσταντινούπολη, Москва
  const std::vector<std::string> labels = {
      "\xCE\x9A\xCF\x89\xCE\xBD\xCF\x83\xCF\x84\xCE\xB1\xCE\xBD\xCF\x84\xCE\xB9\xCE\xBD\xCE\xBF\xCF\x8D\xCF\x80\xCE\xBF\xCE\xBB\xCE\xB7",
      "\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0", "Wien"};
  const std::vector<std::string> charts[] = {With(kChart, {"-BarLabel", "Axes", "TTTT"}),
                                             {"-Chart", "Line", "Standard"}};
  for (const auto& chart : charts) {
    std::vector<std::string> args = With(chart, {"-AxesLabelX", "12", "Helvetica", "#000000", "Normal",
                                                 "-CategoryLabelAngle", "90", "-Output", "c"});
    for (std::size_t k = 0; k < labels.size(); ++k) args.insert(args.end(), {"-Datum", labels[k], std::to_string(k + 1)});
    TempDir dir;
    const auto r = RunCorvane(args, dir.path());
    ASSERT_EQ(r.exitCode, 0) << r.out;
    const std::string boxes = RunProcess("/usr/bin/pdftotext", {"-bbox", dir.File("c.pdf"), "-"}).out;
    std::smatch word;
    std::vector<double> tops;
    double lowest = 0;
    const std::regex box("yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" yMax=\"([0-9.]+)\">([^<]+)<");
    for (auto it = boxes.cbegin(); std::regex_search(it, boxes.cend(), word, box); it = word.suffix().first) {
      if (std::ranges::find(labels, word[3].str()) != labels.end()) tops.push_back(std::stod(word[1]));
      lowest = std::max(lowest, std::stod(word[2]));  // pdftotext counts from the top of the 600-point page
    }
    ASSERT_EQ(tops.size(), labels.size()) << chart[1] << "\n" << boxes;
    for (const double top : tops) EXPECT_NEAR(top, tops[0], 1) << chart[1];
    EXPECT_GE(600 - lowest, 5) << chart[1];
    EXPECT_LE(600 - lowest, 5 + 12 * 0.5) << chart[1];
  }
}

// A character no installed font has is drawn as the missing-glyph box and logged once per
// text; the run still succeeds and the errors file stays empty.
TEST(UnicodeTextTest, ACharacterNoFontHasIsLoggedAsAWarning) {
  TempDir dir;
  const std::string title = "Test \xCD\xB8";  // U+0378 is not assigned
  const auto r = RunCorvane(With(kChart, {"-Errors", "errors.txt", "-Title", title, "-Datum", title, "1", "-AxesLabelX",
                                          "9", "Helvetica", "0", "0", "0", "Normal", "-Output", "c"}),
                            dir.path());
  EXPECT_EQ(r.exitCode, 0) << r.out;
  const auto lines = Unstamped(r.out);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "WARNING: no font has U+0378 in [" + title + "]"), 1) << r.out;
  EXPECT_FALSE(std::filesystem::exists(dir.File("errors.txt")));
  EXPECT_EQ(ExtractedText(dir.File("c.pdf")).find('?'), std::string::npos);
}

// A font given by -Font, or an installed family named in a font setting, draws every text of the
// elements that name it, Windows-1252 text too.
TEST(UnicodeTextTest, AFontGivenByFileOrFamilyDrawsItsTexts) {
  const std::string serif = "/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf";
  struct Case { std::vector<std::string> args; std::string font; } cases[] = {
      {{"-Font", "Body", serif, "-HeadingTitle", "18", "body", "0", "0", "0", "Normal"}, "+DejaVuSerif"},
      // A name given again, in any case, takes its new file.
      {{"-Font", "Body", "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", "-HeadingTitle", "18", "Body", "0", "0",
        "0", "Normal", "-Font", "BODY", serif},
       "+DejaVuSerif"},
      {{"-HeadingTitle", "18", "dejavu sans mono", "0", "0", "0", "Normal"}, "+DejaVuSansMono"},
  };
  for (const Case& c : cases) {
    TempDir dir;
    const auto r = RunCorvane(With(kChart, With(c.args, {"-Datum", "A", "1", "-Title", "Sales", "-Output", "c"})),
                              dir.path());
    ASSERT_EQ(r.exitCode, 0) << r.out;
    const auto fonts = Fonts(dir.File("c.pdf"));
    ASSERT_FALSE(fonts.empty()) << c.font;
    bool found = false;
    for (const auto& font : fonts) found = found || (font[0].ends_with(c.font) && font[3] == "yes" && font[4] == "yes");
    EXPECT_TRUE(found) << c.font;
    EXPECT_EQ(ExtractedText(dir.File("c.pdf")), "Sales ");
  }
}

// Every file name reaches the file system as the bytes typed.
TEST(UnicodeTextTest, FileNamesKeepTheirBytes) {
  struct Case { std::vector<std::string> args; std::vector<std::string> files; } cases[] = {
      {{"-Output", "\xC3\xA9" "cole"}, {"\xC3\xA9" "cole.pdf"}},                           // école
      {{"-Output", "\xE5\x9B\xBE\xE8\xA1\xA8"}, {"\xE5\x9B\xBE\xE8\xA1\xA8.pdf"}},             // 图表
      {{"-Output", "\xE6\x95\xB0\xE6\x8D\xAE"}, {"\xE6\x95\xB0\xE6\x8D\xAE.pdf"}},             // 数据
      {{"-Dataset", "\xE6\x95\xB0\xE6\x8D\xAE.csv", "-Output", "d"}, {"d.pdf"}},              // 数据.csv
      {{"-Log", "\xE6\x97\xA5\xE5\xBF\x97.log", "-Output", "l"}, {"\xE6\x97\xA5\xE5\xBF\x97.log", "l.pdf"}},
      {{"-Errors", "\xC3\xA9.txt", "-Output", "e", "-Foo"}, {"\xC3\xA9.txt"}},
      {{"-Options", "\xCF\x80.txt"}, {"\xCF\x80.pdf"}},                                        // π.txt names π
      {{"--batch", "\xCF\x80.txt"}, {"\xCF\x80.pdf"}},                                         // a batch of it
  };
  for (const Case& c : cases) {
    TempDir dir;
    dir.Write("\xE6\x95\xB0\xE6\x8D\xAE.csv", "A,1\n");
    dir.Write("\xCF\x80.txt", "-Output \xCF\x80\n");
    std::vector<std::string> args = kChart;
    if (c.args[0] != "-Dataset") args.insert(args.end(), {"-Datum", "A", "1"});
    // Each line of a batch is a whole chart's command line.
    if (c.args[0] == "--batch") dir.Write("\xCF\x80.txt", "-Chart Bar V -BarColor #3366CC #99CCFF -Datum A 1 -Output \xCF\x80\n");
    RunCorvane(c.args[0] == "--batch" ? c.args : With(args, c.args), dir.path());
    for (const std::string& file : c.files) EXPECT_TRUE(std::filesystem::exists(dir.File(file))) << c.args[1] << " " << file;
  }
}

// The document information and outline hold what was typed: PDFDocEncoding where it suffices
// (so ASCII stays as it was), UTF-16 otherwise.
TEST(UnicodeTextTest, InformationAndOutlineShowWhatWasTyped) {
  const std::string german = "Umsatz in \xE2\x82\xAC \xE2\x80\x93 \xE2\x80\x9E" "Filialen\xE2\x80\x9C \xE2\x80\xB0 \xC5\x92";
  const std::string greek = "\xCE\xA0\xCE\xBB\xCE\xB7\xCE\xB8\xCF\x85\xCF\x83\xCE\xBC\xCF\x8C\xCF\x82 \xF0\x9F\x93\x88";  // and 📈
  for (const std::string& text : {german, greek}) {
    TempDir dir;
    const auto r = RunCorvane(With(kChart, {"-Datum", "A", "1", "-Title", text, "-Author", text, "-Subject", text,
                                            "-Keywords", text, "-Creator", text, "-Producer", text, "-Outline",
                                            "-OutlineTitle", text, "-UserPassword", "u", "-Output", "c"}),
                              dir.path());
    ASSERT_EQ(r.exitCode, 0) << r.out;
    const std::string info = RunProcess("/usr/bin/pdfinfo", {"-upw", "u", dir.File("c.pdf")}).out;
    for (const std::string key : {"Title", "Subject", "Keywords", "Author", "Creator", "Producer"}) {
      EXPECT_NE(info.find(key + ":" + std::string(16 - key.size(), ' ') + text + "\n"), std::string::npos)
          << key << "\n" << info;
    }
    const std::string outline =
        RunProcess("/usr/bin/qpdf", {"--password=u", "--json", "--json-key=outlines", dir.File("c.pdf")}).out;
    EXPECT_EQ(std::count(outline.begin(), outline.end(), '\n') > 0 &&
                  outline.find("\"title\": \"" + text + "\"") != std::string::npos,
              true)
        << outline;
  }
}

}  // namespace
}  // namespace corvane
