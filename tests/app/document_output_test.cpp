#include "app/document_output.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_run.h"

namespace corvane {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::TestRun;

// An image that cannot be written whole (here files cannot grow beyond 1000 bytes, as on a
// full disk) leaves the old file as it was, and nothing beside it.
TEST(DocumentOutputTest, AFailedImageSaveKeepsThePreviousFile) {
  TempDir dir;
  TestRun t;
  t.settings.Chart.type = ChartType::kPie;
  t.settings.Chart.style = ChartStyle::kPie;
  t.Fill({{1}, {2}});
  t.settings.Output = dir.File("chart.png");
  t.run.log.errorsFile = dir.File("errors.txt");
  dir.Write("chart.png", "the previous chart");
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
  EXPECT_EQ(ReadFile(dir.File("chart.png")), "the previous chart");
  EXPECT_EQ(ReadFile(dir.File("errors.txt")),
            "ERROR: Output - could not save [" + dir.File("chart.png") + "], error=27\n");  // 27: file too large
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);

  EXPECT_EQ(MakeDocument(t.run), 0);
  EXPECT_EQ(ReadFile(dir.File("chart.png")).substr(1, 3), "PNG");
}

}  // namespace
}  // namespace corvane
