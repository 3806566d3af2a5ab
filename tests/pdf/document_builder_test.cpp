#include "pdf/document_builder.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <iterator>
#include <set>
#include <sstream>

#include <gtest/gtest.h>

#include "app/document_output.h"
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
  // What qpdf, opening the PDF with the password, tells of its encryption.
  std::string ShowEncryption(const std::string& password) const {
    return testing::RunProcess("/usr/bin/qpdf", {"--show-encryption", "--password=" + password, Pdf()}).out;
  }

  // Builds the PDF, which must succeed, and returns its bytes.
  std::string Build() {
    EXPECT_EQ(MakeDocument(t.run), 0) << ::testing::PrintToString(t.Lines());
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

// The run sequence saves what the builder built in memory, and says so.
TEST_F(DocumentBuilderTest, BuildsIntoMemoryTheBytesTheRunSaves) {
  t.settings.Title = "Sales";
  const std::string saved = Build();
  const Lines lines = t.Lines();
  std::filesystem::remove(Pdf());
  std::string pdf;
  EXPECT_EQ(MakePdfInMemory(t.document, pdf), 0);
  EXPECT_EQ(pdf, saved);
  EXPECT_FALSE(std::filesystem::exists(Pdf()));
  const Lines all = t.Lines();  // the saved build's lines, then the second's
  EXPECT_EQ(Lines(all.begin() + static_cast<long>(lines.size()), all.end()), (Lines{"Creating PDF structure in memory..."}));
  EXPECT_EQ(lines, (Lines{"Creating PDF structure in memory...", "Saving PDF to [" + Pdf() + "]", "Save complete"}));
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

// With a user password alone the library still needs an owner password: a known one would let
// anyone lift the permissions, so each document gets one of its own that no one is told.
TEST_F(DocumentBuilderTest, EncryptsWithAUserPasswordAloneButNotWithTwoEqualOnes) {
  t.settings.UserPassword = "secret";
  t.settings.Permissions = 4 | 16;
  const auto ownerEntry = [](const std::string& pdf) { return pdf.substr(pdf.find("/O <"), 70); };
  const std::string first = ownerEntry(Build());
  EXPECT_TRUE(Contains(testing::RunProcess("/usr/bin/pdfinfo", {"-upw", "secret", Pdf()}).out,
                       "Encrypted:       yes (print:yes copy:yes change:no addNotes:no algorithm:RC4)"));
  EXPECT_TRUE(Contains(ShowEncryption("secret"), "Supplied password is user password"));
  EXPECT_FALSE(Contains(ShowEncryption("Corvane owner"), "Supplied password is owner password"));
  EXPECT_NE(ownerEntry(Build()), first);

  t.settings.OwnerPassword = t.settings.UserPassword = "same";  // refused by the library
  EXPECT_EQ(MakeDocument(t.run), 1);
  EXPECT_EQ(t.LastLine(), "PDF error 0x1011 (0) ENCRYPT_INVALID_PASSWORD");
  EXPECT_EQ(Errors(), "0x1011 (0) ENCRYPT_INVALID_PASSWORD\n");
}

// Each permission reads as asked for (qpdf), and the value is written with the bits the standard
// reserves set: 0xFFFFFFC0 with the permissions' own bits.
TEST_F(DocumentBuilderTest, WritesPermissionsWithTheReservedBitsSet) {
  const std::pair<int, Lines> cases[] = {
      {0, {"P = -64"}},
      {4 | 16,
       {"P = -44", "extract for accessibility: allowed", "extract for any purpose: allowed",
        "print low resolution: allowed", "print high resolution: allowed"}},
      {32, {"P = -32", "modify forms: allowed", "modify annotations: allowed"}},
      {8, {"P = -56", "modify document assembly: allowed", "modify other: allowed"}},
  };
  t.settings.OwnerPassword = "owner";
  t.settings.UserPassword = "user";
  for (const auto& [permissions, expected] : cases) {
    t.settings.Permissions = permissions;
    Build();
    std::istringstream shown(ShowEncryption("user"));
    Lines read;
    for (std::string line; std::getline(shown, line);) {
      if (line.starts_with("P = ") || line.ends_with(": allowed")) read.push_back(line);
    }
    EXPECT_EQ(read, expected) << permissions;
  }
}

TEST_F(DocumentBuilderTest, AFailedSaveKeepsThePreviousFileAndLeavesNoTemporaryOne) {
  t.settings.Output = dir.File("missing/chart");
  EXPECT_EQ(MakeDocument(t.run), 1);
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
    _exit(MakeDocument(t.run));
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

// A replaced file keeps its permissions, owner and group, but never a setuid, setgid or sticky
// bit. Only root may give a file to another user: as anyone else only the bits are checked.
TEST_F(DocumentBuilderTest, ReplacingAFileKeepsItsOwnerAndGroupButNoSpecialBits) {
  dir.Write("chart.pdf", "the previous chart");
  const bool root = geteuid() == 0;
  const uid_t nobody = 65534;
  if (root) {
    ASSERT_EQ(chown(Pdf().c_str(), nobody, nobody), 0);
  }
  ASSERT_EQ(chmod(Pdf().c_str(), 07640), 0);
  Build();
  struct stat info {};
  ASSERT_EQ(stat(Pdf().c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  if (root) {
    EXPECT_EQ(std::pair(info.st_uid, info.st_gid), std::pair(nobody, static_cast<gid_t>(nobody)));
  }
}

}  // namespace
}  // namespace corvane
