#include "commands/document_commands.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/test_run.h"

namespace corvane {
namespace {

using testing::TestRun;

TEST(DocumentCommandsTest, WordsAloneSetFlagsBitsAndModes) {
  TestRun t;
  ASSERT_EQ(t.Process("-OpenPDF -print -print -Edit -EditExtra -hidetoolbar -centerwindow "
                      "-pagemodefullscreen -pagemodeoutlines -pagelayouttwocolumnright"),
            0);
  const ChartSettings& s = t.settings;
  EXPECT_EQ((std::vector<int>{s.OpenPDF, s.Outline, s.Permissions, s.ViewerPreferences, s.PageMode,
                              s.PageLayout}),
            (std::vector<int>{1, 0, 44, 17, 1, 3}));
}

}  // namespace
}  // namespace corvane
