#include "commands/document_commands.h"

#include <gtest/gtest.h>

#include "support/test_run.h"

namespace corvane {
namespace {

using testing::TestRun;

TEST(DocumentCommandsTest, TextCommandsStoreOneTokenUpToTheirLimit) {
  struct Case {
    std::string word;
    std::string ChartSettings::*setting;
    std::size_t limit;
    std::string missing, tooLong;
  } cases[] = {
      {"Output", &ChartSettings::Output, 260, "no filename", "filename too long"},
      {"Producer", &ChartSettings::Producer, 256, "no string", "too long"},
      {"Creator", &ChartSettings::Creator, 256, "no string", "too long"},
      {"Author", &ChartSettings::Author, 256, "no string", "too long"},
      {"Title", &ChartSettings::Title, 256, "no string", "too long"},
      {"Subject", &ChartSettings::Subject, 256, "no string", "too long"},
      {"Keywords", &ChartSettings::Keywords, 256, "no string", "too long"},
      {"OutlineTitle", &ChartSettings::OutlineTitle, 256, "no string", "too long"},
      {"OwnerPassword", &ChartSettings::OwnerPassword, 32, "no string", "too long"},
      {"UserPassword", &ChartSettings::UserPassword, 32, "no string", "too long"},
  };
  for (const Case& c : cases) {
    TestRun t;
    EXPECT_EQ(t.Process("-" + c.word + " first -" + c.word + " \"My Chart\""), 0) << c.word;
    EXPECT_EQ(t.settings.*c.setting, "My Chart") << c.word;
    const std::string longest(c.limit, 'x');
    EXPECT_EQ(t.Process("-" + c.word + " " + longest), 0) << c.word;
    EXPECT_EQ(t.settings.*c.setting, longest) << c.word;
    EXPECT_TRUE(t.Lines().empty()) << c.word;

    for (const std::string& args : {std::string(), std::string(" \"\""), " " + longest + "x"}) {
      TestRun failing;
      EXPECT_EQ(failing.Process("-" + c.word + args), 1) << c.word << args;
      const std::string& what = args.size() > c.limit ? c.tooLong : c.missing;
      EXPECT_EQ(failing.Lines(), std::vector<std::string>{"ERROR: " + c.word + " - " + what}) << c.word;
    }
  }
}

TEST(DocumentCommandsTest, WordsAloneSetFlagsBitsAndModes) {
  struct Case {
    const char* text;
    std::vector<int> expected;  // OpenPDF, CreationDate, Outline, Permissions, ViewerPreferences,
                                // PageMode, PageLayout
  } cases[] = {
      {"-OpenPDF -CREATIONDATE -outline", {1, 1, 1, 0, 0, 0, 0}},
      {"-print -copy", {0, 0, 0, 20, 0, 0, 0}},
      {"-print -print -Edit -EditExtra", {0, 0, 0, 44, 0, 0, 0}},
      {"-hidetoolbar -hidemenubar -HideWindowUI -fitwindow -centerwindow", {0, 0, 0, 0, 31, 0, 0}},
      {"-pagemodefullscreen", {0, 0, 0, 0, 0, 3, 0}},
      {"-pagemodeusethumbs -pagemodeoutlines", {0, 0, 0, 0, 0, 1, 0}},
      {"-pagemodeusethumbs -pagemodeusenone", {0, 0, 0, 0, 0, 0, 0}},
      {"-pagelayouttwocolumnright -pagelayoutonecolumn", {0, 0, 0, 0, 0, 0, 1}},
      {"-pagelayouttwocolumnleft", {0, 0, 0, 0, 0, 0, 2}},
      {"-pagelayouttwocolumnright", {0, 0, 0, 0, 0, 0, 3}},
      {"-pagelayouttwocolumnright -pagelayoutsinglepage", {0, 0, 0, 0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    TestRun t;
    EXPECT_EQ(t.Process(c.text), 0) << c.text;
    const ChartSettings& s = t.settings;
    EXPECT_EQ((std::vector<int>{s.OpenPDF, s.CreationDate, s.Outline, s.Permissions, s.ViewerPreferences,
                                s.PageMode, s.PageLayout}),
              c.expected)
        << c.text;
  }

  TestRun t;  // they take no argument
  EXPECT_EQ(t.Process("-openpdf now"), 1);
  EXPECT_EQ(t.LastLine(), "ERROR: No command character [now]");
}

}  // namespace
}  // namespace corvane
