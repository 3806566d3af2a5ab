#include "pdf/document_builder.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <iterator>
#include <set>

#include <gtest/gtest.h>

#include "support/process.h"
#include "support/test_run.h"

namespace corvane {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::TestRun;
using Lines = std::vector<std::string>;

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != text.npos; }

class DocumentBuilderTest : public ::testing::Test {
 protected:
  DocumentBuilderTest() {
    t.settings.Chart.style = ChartStyle::kPie;
    t.data.count = 1;
    t.data.items.resize(1);
    t.settings.Output = dir.File("chart");
    t.run.log.errorsFile = dir.File("errors.txt");
  }

  std::string Pdf() const { return dir.File("chart.pdf"); }
  std::string Errors() const { return ReadFile(dir.File("errors.txt")); }

  // Builds the PDF, which must succeed, and returns its bytes.
  std::string Build() {
    EXPECT_EQ(MakePDF(t.document), 0) << ::testing::PrintToString(t.Lines());
    return ReadFile(Pdf());
  }

  TempDir dir;
  TestRun t;
};

// Nothing in the file varies from run to run unless a date or a password is asked for.
TEST_F(DocumentBuilderTest, IsReproducibleAndLoadsOnlyTheFontsInUseAndTimesRoman) {
  t.settings.Title = "Sales";
  t.settings.FontUsed[FontIndex(StandardFont::kCourierBold)] = true;
  t.settings.FontUsed[FontIndex(StandardFont::kZapfDingbats)] = true;
  const std::string pdf = Build();
  std::set<std::string> fonts;
  for (std::size_t at = 0; (at = pdf.find("/BaseFont /", at)) != std::string::npos;) {
    at += 11;
    fonts.insert(pdf.substr(at, pdf.find_first_of(" \r\n", at) - at));
  }
  EXPECT_EQ(fonts, (std::set<std::string>{"Courier-Bold", "Times-Roman", "ZapfDingbats"}));
  EXPECT_EQ(Build(), pdf);
  EXPECT_FALSE(Contains(pdf, "/ID") || Contains(pdf, "Date"));
}

TEST_F(DocumentBuilderTest, BuildsIntoMemoryTheBytesItWouldSaveWithTheSameMessages) {
  t.settings.Title = "Sales";
  const std::string saved = Build();
  const Lines lines = t.Lines();
  std::filesystem::remove(Pdf());
  std::string pdf;
  EXPECT_EQ(MakePdfInMemory(t.document, pdf), 0);
  EXPECT_EQ(pdf, saved);
  EXPECT_FALSE(std::filesystem::exists(Pdf()));
  const Lines all = t.Lines();  // the first build's lines, then the second's
  EXPECT_EQ(Lines(all.begin() + static_cast<long>(lines.size()), all.end()), lines);
}

TEST_F(DocumentBuilderTest, DatesTheDocumentWithItsOffsetFromUtc) {
  const std::pair<Moment, const char*> cases[] = {
      {{{2026, 12, 6, 8, 3, 9}, {2026, 12, 6, 13, 33, 9}}, "D:20261206080309-05'30'"},
      {{{2026, 7, 1, 23, 59, 59}, {2026, 7, 1, 23, 59, 59}}, "D:20260701235959Z00'00'"},
      // Local time a day ahead of UTC, and a day behind it.
      {{{2027, 1, 1, 0, 30, 0}, {2026, 12, 31, 23, 30, 0}}, "D:20270101003000+01'00'"},
      {{{2026, 12, 31, 20, 0, 0}, {2027, 1, 1, 1, 0, 0}}, "D:20261231200000-05'00'"},
  };
  t.settings.CreationDate = true;
  for (const auto& [now, date] : cases) {
    t.clock.moment = now;
    EXPECT_TRUE(Contains(Build(), std::string("/CreationDate (") + date + ")")) << date;
  }
}

TEST_F(DocumentBuilderTest, EncryptsWithAUserPasswordAloneButNotWithTwoEqualOnes) {
  t.settings.UserPassword = "secret";  // alone: the library then gets an owner password of ours
  t.settings.Permissions = 4 | 16;
  Build();
  EXPECT_TRUE(Contains(testing::RunProcess("/usr/bin/pdfinfo", {"-upw", "secret", Pdf()}).out,
                       "Encrypted:       yes (print:yes copy:yes change:no addNotes:no algorithm:RC4)"));
  t.settings.UserPassword = "Corvane owner";  // our own owner password must then differ from it
  EXPECT_EQ(MakePDF(t.document), 0);

  t.settings.OwnerPassword = t.settings.UserPassword = "same";  // refused by the library
  EXPECT_EQ(MakePDF(t.document), 1);
  EXPECT_EQ(t.LastLine(), "PDF error 0x1011 (0) ENCRYPT_INVALID_PASSWORD");
  EXPECT_EQ(Errors(), "0x1011 (0) ENCRYPT_INVALID_PASSWORD\n");
}

TEST_F(DocumentBuilderTest, AFailedSaveKeepsThePreviousFileAndLeavesNoTemporaryOne) {
  t.settings.Output = dir.File("missing/chart");
  EXPECT_EQ(MakePDF(t.document), 1);
  EXPECT_EQ(t.Lines(), (Lines{"Creating PDF structure in memory...",
                              "Saving PDF to [" + dir.File("missing/chart.pdf") + "]",
                              "PDF error 0x1017 (2) FILE_OPEN_ERROR"}));
  EXPECT_EQ(Errors(), "0x1017 (2) FILE_OPEN_ERROR\n");

  // A child whose files cannot grow beyond 1000 bytes, as on a full disk: the library's
  // last write fails where it does not look.
  t.settings.Output = dir.File("chart");
  dir.Write("chart.pdf", "the previous chart");
  t.settings.Keywords = t.settings.Creator = t.settings.Author = std::string(256, 'k');
  const pid_t child = fork();
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{1000, 1000};
    setrlimit(RLIMIT_FSIZE, &limit);
    _exit(MakePDF(t.document));
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);
  EXPECT_EQ(ReadFile(Pdf()), "the previous chart");
  EXPECT_EQ(Errors(), "0x1017 (2) FILE_OPEN_ERROR\n0x1016 (27) FILE_IO_ERROR\n");  // 27: file too large
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);  // chart.pdf, errors.txt

  // Once a save succeeds, the new file takes the old one's place and permissions.
  chmod(Pdf().c_str(), 0640);
  EXPECT_EQ(Build().substr(0, 5), "%PDF-");
  EXPECT_EQ(std::filesystem::status(Pdf()).permissions(), std::filesystem::perms(0640));
}

}  // namespace
}  // namespace corvane
