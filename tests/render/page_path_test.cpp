#include "render/page_path.h"

#include <gtest/gtest.h>
#include <hpdf_consts.h>
#include <hpdf_utils.h>

#include <cmath>
#include <random>
#include <vector>

namespace corvane {
namespace {

// Paths written in memory must read exactly as the library's own operators write them, or a
// chart would change with the way it was drawn: every number against the library's formatter.
TEST(PagePathTest, NumbersAreWrittenAsTheLibraryWritesThem) {
  std::vector<float> values = {0,          -0.0F,      1e-6F,   -1e-6F,   0.000004F, 0.999996F, 3.9999952F,
                               0.5F,       776.59735F, 32767,   32767.9F, -40000,    1e30F,     -1e-30F,
                               2147483.5F, 99999.99F,  0.00001F};
  std::mt19937 random(7);
  std::uniform_real_distribution<float> page(-1000, 1000);
  std::uniform_real_distribution<float> exponent(-8, 6);
  for (int i = 0; i < 20000; ++i) {
    values.push_back(page(random));
    values.push_back(std::pow(10.0F, exponent(random)) * (i % 2 ? 1 : -1));
  }
  for (const float v : values) {
    char ours[16];
    *WritePdfReal(ours, v) = '\0';
    char theirs[HPDF_TMP_BUF_SIZ] = {};
    HPDF_FToA(theirs, v, theirs + HPDF_TMP_BUF_SIZ - 1);
    ASSERT_STREQ(ours, theirs) << "value " << v;
  }
  // Where the library would write garbage, a page gets 0.
  char nan[16];
  *WritePdfReal(nan, std::nanf("")) = '\0';
  EXPECT_STREQ(nan, "0");
}

}  // namespace
}  // namespace corvane
