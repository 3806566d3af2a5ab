#include "pdf/pdf_errors.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(PdfErrorNamesTest, NamesTheLibrarysCodesLetterForLetterAndOthersUnknown) {
  // Checked against the library's own constants, the misspellings included.
#define LIBRARY_ERROR(name) {#name, HPDF_##name}
  const PdfErrorEntry samples[] = {
      LIBRARY_ERROR(ARRAY_COUNT_ERR),   LIBRARY_ERROR(FAILD_TO_ALLOC_MEM),
      LIBRARY_ERROR(TTF_INVALID_FOMAT), LIBRARY_ERROR(PAGE_INSUFFICIENT_SPACE),
  };
#undef LIBRARY_ERROR
  for (const PdfErrorEntry& sample : samples) EXPECT_STREQ(PdfErrorName(sample.code), sample.name);

  // 0x103D and the codes from 0x1077 on are newer than the table.
  for (HPDF_STATUS code : {0x0000ul, 0x1006ul, 0x103Dul, 0x1077ul}) {
    EXPECT_STREQ(PdfErrorName(code), "UNKNOWN") << std::hex << code;
  }
}

}  // namespace
}  // namespace corvane
