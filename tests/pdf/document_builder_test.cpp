#include "pdf/document_builder.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <set>

#include <gtest/gtest.h>

#include "render/text.h"
#include "support/pdf_content.h"
#include "support/pdf_page.h"
#include "support/process.h"
#include "support/test_run.h"

namespace corvane {
namespace {

using testing::PdfOp;
using testing::ReadFile;
using testing::TempDir;
using testing::TestRun;
using Lines = std::vector<std::string>;

// What an independent reader (found on the PATH) prints about a file.
testing::ProcessResult Reader(const std::vector<std::string>& command) {
  return testing::RunProcess("/usr/bin/env", command);
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

class DocumentBuilderTest : public ::testing::Test {
 protected:
  DocumentBuilderTest() {
    t.settings.Chart.style = kStylePie;
    t.data.count = 1;
    t.settings.Output = dir.File("chart");
    t.run.log.errorsFile = dir.File("errors.txt");
  }

  std::string Pdf() const { return dir.File("chart.pdf"); }
  std::string Errors() const { return ReadFile(dir.File("errors.txt")); }

  // Builds the PDF, which must succeed, and returns its bytes.
  std::string Build() {
    EXPECT_EQ(MakePDF(t.run), 0) << ::testing::PrintToString(t.Lines());
    return ReadFile(Pdf());
  }

  std::set<std::string> Listing() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
      names.insert(entry.path().filename().string());
    }
    return names;
  }

  TempDir dir;
  TestRun t;
};

TEST(PdfFileNameTest, AddsTheExtensionUnlessPresent) {
  const std::pair<const char*, const char*> cases[] = {
      {"chart", "chart.pdf"}, {"Chart.PDF", "Chart.PDF"}, {".pdf", ".pdf.pdf"}, {"a.pdf.x", "a.pdf.x.pdf"}};
  for (const auto& [output, file] : cases) EXPECT_EQ(PdfFileName(output), file) << output;
}

TEST_F(DocumentBuilderTest, WritesAPdfWithItsInformationEntries) {
  t.settings.Creator = "Creator C";
  t.settings.Title = "Title T";
  t.settings.Subject = "Subject S";
  t.settings.Keywords = "Keywords K";
  Build();
  EXPECT_EQ(t.Lines(),
            (Lines{"Creating PDF structure in memory...", "Saving PDF to [" + Pdf() + "]", "Save complete"}));
  EXPECT_EQ(Listing(), std::set<std::string>{"chart.pdf"});  // no temporary file left, no error
  EXPECT_EQ(Reader({"qpdf", "--check", Pdf()}).exitCode, 0);
  const std::string info = Reader({"pdfinfo", Pdf()}).out;
  for (const std::string& line : Lines{"Producer:        " + std::string(kDefaultProducer),
                                      "Creator:         Creator C", "Title:           Title T",
                                      "Subject:         Subject S", "Keywords:        Keywords K",
                                      "Page size:       800 x 600 pts", "Encrypted:       no"}) {
    EXPECT_TRUE(Contains(info, line)) << line << "\n" << info;
  }
  EXPECT_FALSE(Contains(info, "Author:"));
}

TEST_F(DocumentBuilderTest, SizesThePageAndPaintsItUnlessWhite) {
  struct Case {
    int width, height;
    RgbColor color;
  } cases[] = {{800, 600, {1, 1, 0.5f}}, {300, 10000, {1, 1, 1}}, {100, 120, {0, 0, 0}}};
  t.settings.Title = "x";  // a page with nothing drawn has no content to read
  for (const Case& c : cases) {
    t.settings.Page = {c.width, c.height, c.color};
    const auto ops = testing::ParseContent(testing::PageContent(Build()));
    const std::string size = std::to_string(c.width) + " x " + std::to_string(c.height) + " pts";
    EXPECT_TRUE(Contains(Reader({"pdfinfo", Pdf()}).out, size)) << size;
    EXPECT_EQ(ops[1].op == "re", c.color.blue < 1) << size;
    if (ops[1].op == "re") {
      EXPECT_EQ(testing::Describe({ops.begin(), ops.begin() + 3}),
                testing::Describe({{"rg", ops[0].operands},
                                   {"re", {"0", "0", std::to_string(c.width), std::to_string(c.height)}},
                                   {"f", {}}}));
      EXPECT_FLOAT_EQ(ops[0].Num(2), c.color.blue);
    }
  }
}

TEST_F(DocumentBuilderTest, LoadsOnlyTheFontsInUseAndTimesRoman) {
  t.settings.FontUsed[2] = 1;   // Courier-Bold
  t.settings.FontUsed[14] = 1;  // ZapfDingbats
  const std::string pdf = Build();
  std::set<std::string> fonts;
  std::size_t at = 0;
  while ((at = pdf.find("/BaseFont /", at)) != std::string::npos) {
    at += 11;
    fonts.insert(pdf.substr(at, pdf.find_first_of(" \r\n", at) - at));
  }
  EXPECT_EQ(fonts, (std::set<std::string>{"Courier-Bold", "Times-Roman", "ZapfDingbats"}));
}

// A text's metrics as the library gives them: A, D, S and its width.
struct Metrics {
  double A, D, S, w;
};

Metrics MetricsOf(const FontSpec& spec, const std::string& text) {
  TestRun t;
  testing::PdfPage pdf;
  ApplyFont(pdf.CanvasFor(t.run), spec);
  return {Ascent(pdf.page), Descent(pdf.page), SpaceWidth(pdf.page), TextWidth(pdf.page, text)};
}

double AlignedX(int horizontal, const Metrics& m) {
  return horizontal == 1 ? m.S / 2 : horizontal == 2 ? (800 - m.w) / 2 : 800 - m.w - m.S / 2;
}

TEST_F(DocumentBuilderTest, PlacesHeadingAndSubheading) {
  struct Case {
    std::string title, subject;
    int vertical, horizontal;
  } cases[] = {{"Sales", "", 2, 1},       {"Sales", "", 3, 2},
               {"", "Q3 2026", 1, 3},     {"", "Q3 2026", 3, 1},
               {"Sales by region", "Q3", 2, 2}, {"Sales", "Quarter three", 3, 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title + "/" + c.subject + " " + std::to_string(c.vertical) + std::to_string(c.horizontal));
    t.settings.Title = c.title;
    t.settings.Subject = c.subject;
    t.settings.ChartHeading = {c.vertical, c.horizontal};
    const bool both = !c.title.empty() && !c.subject.empty(), bottom = c.vertical == 3;
    const Metrics title = MetricsOf(t.settings.HeadingTitle, c.title);
    const Metrics subject = MetricsOf(t.settings.HeadingSubTitle, c.subject);

    // The heading two descents from the page's edge, the subheading below it.
    struct Text {
      std::string text, size;
      double x, y;
    };
    std::vector<Text> expected;
    const double gap = both ? subject.A + subject.D + title.D : 0;
    const double titleY = bottom ? 2 * title.D + gap : 600 - title.A - 2 * title.D;
    if (!c.title.empty()) expected.push_back({c.title, "18", AlignedX(c.horizontal, title), titleY});
    if (!c.subject.empty()) {
      const double y = both ? titleY - gap : bottom ? 2 * subject.D : 600 - subject.A - subject.D;
      expected.push_back({c.subject, "14", AlignedX(c.horizontal, subject), y});
    }

    const auto ops = testing::ParseContent(testing::PageContent(Build()));
    std::size_t i = both ? 1 : 0;  // the subheading's font is measured first
    ASSERT_GE(ops.size(), i + 7 * expected.size());  // the chart follows the headings
    for (const Text& e : expected) {
      const PdfOp& tm = ops[i + 4];
      EXPECT_EQ(testing::Describe({ops.begin() + i, ops.begin() + i + 7}),
                testing::Describe({{"Tf", {ops[i].operands[0], e.size}},
                                   {"Tr", {"0"}},
                                   {"rg", {"0", "0", "0"}},
                                   {"BT", {}},
                                   {"Tm", {"1", "0", "0", "1", tm.operands[4], tm.operands[5]}},
                                   {"Tj", {"(" + e.text + ")"}},
                                   {"ET", {}}}));
      EXPECT_NEAR(tm.Num(4), e.x, 1e-3) << e.text;
      EXPECT_NEAR(tm.Num(5), e.y, 1e-3) << e.text;
      i += 7;
    }
  }
}

TEST_F(DocumentBuilderTest, DrawsTheHeadingInItsFontColourAndStyle) {
  t.settings.Title = "Sales";
  t.settings.HeadingTitle = FontSpec{24, 6, {1, 0, 0}, kTextStyleStroke, {0, 0, 1}};
  t.settings.FontUsed[6] = 1;
  const std::string pdf = Build();
  const auto ops = testing::ParseContent(testing::PageContent(pdf));
  ASSERT_GE(ops.size(), 8u);
  EXPECT_EQ(testing::Describe({ops.begin(), ops.begin() + 4}),
            testing::Describe(
                {{"Tf", {"/F1", "24"}}, {"Tr", {"2"}}, {"RG", {"0", "0", "1"}}, {"rg", {"1", "0", "0"}}}));
  // The page's font F1 is the object that names Helvetica-Bold.
  const std::string object = std::to_string(std::atoi(pdf.c_str() + pdf.find("/F1 ") + 4)) + " 0 obj";
  EXPECT_TRUE(Contains(pdf, object + "\n<<\n/Type /Font\n/BaseFont /Helvetica-Bold\n"));
  // Helvetica-Bold: ascender 718, descender 207 per 1000 units.
  EXPECT_NEAR(ops[5].Num(5), 600 - 0.718 * 24 - 2 * 0.207 * 24, 1e-3);
}

TEST(DrawHeadingsTest, TakesTheHeadingsRoomFromTheChartArea) {
  // Times-Roman: ascender 683, descender 217, blank 250 per 1000 units; 18 and 14 points.
  struct Case {
    const char* title;
    const char* subject;
    int vertical;
    ChartArea expected;
  } cases[] = {
      {"", "", 2, {5, 595, 795, 5}},        {"", "", 3, {5, 595, 795, 5}},
      {"Sales", "", 2, {4, 571, 796, 3}},   {"Sales", "", 3, {4, 597, 796, 28}},
      {"", "Q3", 2, {3, 581, 797, 3}},      {"", "Q3", 3, {3, 597, 797, 18}},
      {"Sales", "Q3", 2, {4, 555, 796, 3}}, {"Sales", "Q3", 3, {4, 597, 796, 44}},
  };
  for (const Case& c : cases) {
    TestRun t;
    testing::PdfPage pdf;
    t.settings.Title = c.title;
    t.settings.Subject = c.subject;
    t.settings.ChartHeading.vertical = c.vertical;
    ChartArea area{0, 600, 800, 0};
    DrawHeadings(pdf.CanvasFor(t.run), area);
    const ChartArea& e = c.expected;
    EXPECT_EQ((std::vector<int>{area.left, area.top, area.right, area.bottom}),
              (std::vector<int>{e.left, e.top, e.right, e.bottom}))
        << c.title << "/" << c.subject << " " << c.vertical;
  }
}

TEST_F(DocumentBuilderTest, WritesOutlineAndViewerSettingsOnlyWhenAsked) {
  for (const char* absent : {"/Outlines", "/PageMode", "/PageLayout", "/ViewerPreferences"}) {
    EXPECT_FALSE(Contains(Build(), absent)) << absent;
  }
  t.settings.ViewerPreferences = 1 | 4 | 16;
  t.settings.PageLayout = 3;
  t.settings.PageMode = 2;
  EXPECT_TRUE(Contains(Build(), "/PageMode /UseThumbs"));

  t.settings.Title = "Sales";
  t.settings.Outline = 1;
  for (const char* outlineTitle : {"OutlineRoot", "Contents"}) {
    t.settings.OutlineTitle = outlineTitle == std::string("OutlineRoot") ? "" : outlineTitle;
    const std::string pdf = Build();
    for (const char* present : {"/HideToolbar true", "/HideWindowUI true", "/CenterWindow true",
                                "/PageLayout /TwoColumnRight", "/PageMode /UseOutlines"}) {
      EXPECT_TRUE(Contains(pdf, present)) << present;
    }
    EXPECT_FALSE(Contains(pdf, "/FitWindow"));
    const std::string outlines = Reader({"qpdf", "--json", "--json-key=outlines", Pdf()}).out;
    const std::string root = "\"open\": true,\n      \"title\": \"" + std::string(outlineTitle) + "\"";
    const std::string destination = "\"/XYZ\",\n            0,\n            600,\n            1\n";
    for (const std::string& part : Lines{root, destination, "\"title\": \"Sales\""}) {
      EXPECT_TRUE(Contains(outlines, part)) << outlines;
    }
  }
}

TEST_F(DocumentBuilderTest, DatesTheDocumentWithItsOffsetFromUtc) {
  struct Case {
    Moment now;
    const char* date;
  } cases[] = {
      {{{2026, 12, 6, 14, 3, 9}, {2026, 12, 6, 13, 3, 9}}, "D:20261206140309+01'00'"},
      {{{2026, 12, 6, 8, 3, 9}, {2026, 12, 6, 13, 33, 9}}, "D:20261206080309-05'30'"},
      {{{2026, 7, 1, 23, 59, 59}, {2026, 7, 1, 23, 59, 59}}, "D:20260701235959Z00'00'"},
      {{{2027, 1, 1, 0, 30, 0}, {2026, 12, 31, 23, 30, 0}}, "D:20270101003000+01'00'"},
      {{{2026, 12, 31, 20, 0, 0}, {2027, 1, 1, 1, 0, 0}}, "D:20261231200000-05'00'"},
      {{{2026, 3, 1, 13, 45, 0}, {2026, 2, 28, 23, 0, 0}}, "D:20260301134500+14'45'"},
  };
  t.settings.CreationDate = 1;
  for (const Case& c : cases) {
    t.clock.moment = c.now;
    EXPECT_TRUE(Contains(Build(), std::string("/CreationDate (") + c.date + ")")) << c.date;
  }
  t.clock.moment = cases[0].now;
  Build();
  const std::string info = Reader({"pdfinfo", "-isodates", Pdf()}).out;
  EXPECT_TRUE(Contains(info, "CreationDate:    2026-12-06T14:03:09+01")) << info;
}

TEST_F(DocumentBuilderTest, EncryptsWithEitherPassword) {
  struct Case {
    const char* owner;
    const char* user;
    int permissions;
    Lines opener;  // the reader's options that open the file
    const char* encryption;
  } cases[] = {
      {"", "", 20, {}, "no"},
      {"", "secret", 20, {"-upw", "secret"}, "yes (print:yes copy:yes change:no addNotes:no algorithm:RC4)"},
      {"", "Corvane owner", 0, {"-upw", "Corvane owner"}, "yes (print:no copy:no change:no addNotes:no"},
      {"boss", "secret", 4 | 8 | 32, {"-opw", "boss"}, "yes (print:yes copy:no change:yes addNotes:yes"},
  };
  for (const Case& c : cases) {
    t.settings.OwnerPassword = c.owner;
    t.settings.UserPassword = c.user;
    t.settings.Permissions = c.permissions;
    Build();
    Lines command{"pdfinfo"};
    command.insert(command.end(), c.opener.begin(), c.opener.end());
    command.push_back(Pdf());
    const std::string info = Reader(command).out;
    EXPECT_TRUE(Contains(info, std::string("Encrypted:       ") + c.encryption)) << c.user << "\n" << info;
    EXPECT_EQ(Reader({"qpdf", "--check", std::string("--password=") + c.user, Pdf()}).exitCode, 0) << c.user;
    EXPECT_EQ(Reader({"pdfinfo", "-upw", "wrong", Pdf()}).exitCode == 0, *c.user == 0) << c.user;
  }

  t.settings.OwnerPassword = t.settings.UserPassword = "same";  // refused by the library
  EXPECT_EQ(MakePDF(t.run), 1);
  EXPECT_EQ(t.LastLine(), "PDF error 0x1011 (0) ENCRYPT_INVALID_PASSWORD");
  EXPECT_EQ(Errors(), "0x1011 (0) ENCRYPT_INVALID_PASSWORD\n");
}

TEST_F(DocumentBuilderTest, SameSettingsGiveTheSameBytes) {
  t.settings.Title = "Sales";
  t.settings.Subject = "Q3";
  t.settings.Outline = 1;
  t.settings.ViewerPreferences = 8;
  t.settings.Page.color = {0.9f, 0.9f, 1};
  t.settings.FontUsed[5] = 1;
  const std::string first = Build();
  TempDir other;
  t.settings.Output = other.File("chart");
  EXPECT_EQ(MakePDF(t.run), 0);
  EXPECT_EQ(ReadFile(other.File("chart.pdf")), first);
  for (const char* varying : {"/ID", "Date"}) EXPECT_FALSE(Contains(first, varying)) << varying;
}

TEST_F(DocumentBuilderTest, ReportsFailedSavesAndLeavesNothingBehind) {
  t.settings.Output = dir.File("missing/chart");
  EXPECT_EQ(MakePDF(t.run), 1);
  EXPECT_EQ(t.Lines(), (Lines{"Creating PDF structure in memory...",
                              "Saving PDF to [" + dir.File("missing/chart.pdf") + "]",
                              "PDF error 0x1017 (2) FILE_OPEN_ERROR"}));
  EXPECT_EQ(Errors(), "0x1017 (2) FILE_OPEN_ERROR\n");
  EXPECT_EQ(Listing(), std::set<std::string>{"errors.txt"});

  t.settings.Output = dir.File("chart");
  std::filesystem::create_directory(Pdf());
  EXPECT_EQ(MakePDF(t.run), 1);
  EXPECT_EQ(t.LastLine(), "PDF error 0x1017 (21) FILE_OPEN_ERROR");  // 21: it is a folder
  EXPECT_EQ(Listing(), (std::set<std::string>{"chart.pdf", "errors.txt"}));
  EXPECT_TRUE(std::filesystem::is_empty(Pdf()));
}

TEST_F(DocumentBuilderTest, KeepsThePreviousFileWhenTheDiskFillsUp) {
  dir.Write("chart.pdf", "the previous chart");
  t.settings.Keywords = t.settings.Creator = t.settings.Author = std::string(256, 'k');
  // A child whose files cannot grow beyond 1000 bytes, as on a full disk: the library's
  // last write fails where it does not look.
  const pid_t child = fork();
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{1000, 1000};
    setrlimit(RLIMIT_FSIZE, &limit);
    _exit(MakePDF(t.run));
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);
  EXPECT_EQ(ReadFile(Pdf()), "the previous chart");
  EXPECT_EQ(Listing(), (std::set<std::string>{"chart.pdf", "errors.txt"}));
  EXPECT_EQ(Errors(), "0x1016 (27) FILE_IO_ERROR\n");  // 27: file too large

  // Once the save succeeds, the new file takes the old one's place and permissions.
  chmod(Pdf().c_str(), 0640);
  EXPECT_EQ(Build().substr(0, 5), "%PDF-");
  EXPECT_EQ(std::filesystem::status(Pdf()).permissions(),
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                std::filesystem::perms::group_read);
}

TEST_F(DocumentBuilderTest, OpensTheSavedFileWhenAsked) {
  t.settings.OpenPDF = 1;
  const std::string old = std::getenv("PATH");
  TempDir bin;
  setenv("PATH", bin.path().c_str(), 1);
  EXPECT_EQ(MakePDF(t.run), 0);  // no opener at all
  const std::string opener = bin.Write("xdg-open", "#!/bin/sh\necho \"$1\" > '" + dir.File("opened") + "'\n");
  chmod(opener.c_str(), 0755);
  EXPECT_EQ(MakePDF(t.run), 0);
  setenv("PATH", old.c_str(), 1);

  const Lines lines = t.Lines();
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(Lines(lines.begin() + 3, lines.begin() + 5),
            (Lines{"Opening PDF in default PDF viewer", "failed, error=2"}));
  EXPECT_EQ(Lines(lines.begin() + 8, lines.end()), (Lines{"Opening PDF in default PDF viewer", "success"}));
  EXPECT_EQ(ReadFile(dir.File("opened")), Pdf() + "\n");
}

}  // namespace
}  // namespace corvane
