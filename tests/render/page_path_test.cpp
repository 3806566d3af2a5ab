#include "render/page_path.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace corvane {
namespace {

// Numbers go to the page to the nearest hundredth of a point, as short as they can be, and
// never as something a reader cannot read.
TEST(PagePathTest, NumbersAreWrittenToTheNearestHundredth) {
  const struct { float value; const char* written; } cases[] = {
      {0, "0"},           {-0.0F, "0"},        {-0.004F, "0"},       {0.006F, "0.01"},
      {0.05F, "0.05"},    {12.5F, "12.5"},     {-3.25F, "-3.25"},    {776.59735F, "776.6"},
      {0.999F, "1"},      {99.996F, "100"},    {100, "100"},         {32767.9F, "32767"},
      {-40000, "-32767"}, {1e30F, "32767"},    {-1e-30F, "0"},       {std::nanf(""), "0"},
  };
  for (const auto& c : cases) {
    char text[16];
    EXPECT_EQ(std::string(text, WritePdfReal(text, c.value)), c.written) << c.value;
  }
}

}  // namespace
}  // namespace corvane
