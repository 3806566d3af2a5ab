#include "commands/input_files.h"

#include <fcntl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/test_run.h"

namespace corvane {
namespace {

using testing::TempDir;
using testing::TestRun;

// A run whose standard input holds the text.
class StandardInputTest : public ::testing::Test {
 protected:
  void Give(const std::string& text) {
    std::fputs(text.c_str(), in_);
    std::rewind(in_);
    t.commands.standardInput = in_;
    t.settings.Chart.style = ChartStyle::kBarVertical;
  }
  ~StandardInputTest() override { std::fclose(in_); }

  std::FILE* in_ = std::tmpfile();
  TestRun t;
};

TEST_F(StandardInputTest, ADatasetIsReadFromItOnce) {
  Give("North,12.5\r\nSouth,8\n");
  ASSERT_EQ(t.Process("-Dataset -"), 0) << t.LastLine();
  EXPECT_EQ(t.data.count, 2);
  EXPECT_EQ(t.data.items[1].label, "South");
  EXPECT_EQ(t.Process("-Dataset -"), 1);
  EXPECT_EQ(t.LastLine(), "ERROR: Dataset - standard input already read");
  EXPECT_EQ(t.Process("-Options -"), 1);
  EXPECT_EQ(t.LastLine(), "ERROR: Options - standard input already read");
  EXPECT_NE(fcntl(fileno(in_), F_GETFD), -1);  // the process's own stream stays open
}

TEST_F(StandardInputTest, OptionsAreReadFromItAndCannotReadItAgain) {
  Give("-Title Piped\n-Dataset -\n");
  EXPECT_EQ(t.Process("-Options -"), 1);
  EXPECT_EQ(t.settings.Title, "Piped");
  EXPECT_EQ(t.Lines(), (std::vector<std::string>{
                           "Processing options file [-]...",
                           "ERROR: Dataset - standard input already read",
                           "ERROR: in [-] at line 2",
                           "Completed processing options file [-]",
                       }));
}

// Changes the current folder for as long as it lives.
class InFolder {
 public:
  explicit InFolder(const std::string& folder) : before_(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
  }
  ~InFolder() { std::filesystem::current_path(before_); }

 private:
  std::filesystem::path before_;
};

// A relative name in an options file is looked up from the current folder, then beside the
// options file; the log names the path opened, an error the name as written.
TEST(InputFilesTest, NamesInAnOptionsFileAreAlsoFoundBesideIt) {
  TempDir dir;
  std::filesystem::create_directory(dir.File("sub"));
  dir.Write("sub/o.txt", "-Dataset d.csv\n-Options inner.txt\n");
  dir.Write("sub/inner.txt", "-Title Inner\n");
  dir.Write("sub/d.csv", "Beside,1\n");
  dir.Write("sub/missing.txt", "-Dataset missing.csv\n");
  const InFolder in(dir.path());
  TestRun t;
  t.settings.Chart.style = ChartStyle::kBarVertical;
  ASSERT_EQ(t.Process("-Options sub/o.txt"), 0) << t.LastLine();
  EXPECT_EQ(t.data.items[0].label, "Beside");
  EXPECT_EQ(t.settings.Title, "Inner");
  EXPECT_EQ(t.Lines(), (std::vector<std::string>{
                           "Processing options file [sub/o.txt]...",
                           "Processing options file [sub/inner.txt]...",
                           "Completed processing options file [sub/inner.txt]",
                           "Completed processing options file [sub/o.txt]",
                       }));

  dir.Write("d.csv", "Here,2\n");  // the current folder comes first
  ASSERT_EQ(t.Process("-Options sub/o.txt"), 0) << t.LastLine();
  EXPECT_EQ(t.data.items[1].label, "Here");

  EXPECT_EQ(t.Process("-Options sub/missing.txt"), 1);
  EXPECT_EQ(t.Lines()[9], "ERROR: Dataset - could not open [missing.csv], error=2");
  EXPECT_EQ(t.Process("-Dataset d.csv -Dataset inner.txt"), 1);  // on the command line: here only
  EXPECT_EQ(t.LastLine(), "ERROR: Dataset - could not open [inner.txt], error=2");
}

}  // namespace
}  // namespace corvane
