#include "pdf/pdf_errors.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "support/test_run.h"

namespace corvane {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::TestRun;

TEST(PdfErrorNamesTest, NamesTheLibrarysCodesLetterForLetter) {
  std::set<HPDF_STATUS> codes;
  for (const PdfErrorEntry* entry = PdfErrorNames; entry->name != nullptr; ++entry) codes.insert(entry->code);
  EXPECT_EQ(codes.size(), 97u);

  // Checked against the library's own constants, the misspellings included.
#define LIBRARY_ERROR(name) {#name, HPDF_##name}
  const PdfErrorEntry samples[] = {
      LIBRARY_ERROR(ARRAY_COUNT_ERR),         LIBRARY_ERROR(CANNOT_GET_PALLET),
      LIBRARY_ERROR(EXCEED_JWW_CODE_NUM_LIMIT), LIBRARY_ERROR(ENCRYPT_INVALID_PASSWORD),
      LIBRARY_ERROR(FAILD_TO_ALLOC_MEM),      LIBRARY_ERROR(FILE_IO_ERROR),
      LIBRARY_ERROR(FILE_OPEN_ERROR),         LIBRARY_ERROR(INVALID_CHAR_MATRICS_DATA),
      LIBRARY_ERROR(INVALID_TTC_FILE),        LIBRARY_ERROR(TTF_INVALID_FOMAT),
      LIBRARY_ERROR(PAGE_LAYOUT_OUT_OF_RANGE), LIBRARY_ERROR(PAGE_MODE_OUT_OF_RANGE),
      LIBRARY_ERROR(PAGE_INSUFFICIENT_SPACE),
  };
#undef LIBRARY_ERROR
  for (const PdfErrorEntry& sample : samples) EXPECT_STREQ(PdfErrorName(sample.code), sample.name);

  // 0x103D and the codes from 0x1077 on are newer than the table.
  for (HPDF_STATUS code : {0x0000ul, 0x1006ul, 0x103Dul, 0x1077ul, 0xFFFFul}) {
    EXPECT_STREQ(PdfErrorName(code), "UNKNOWN") << std::hex << code;
  }
}

TEST(PdfErrorHandlerTest, LogsTheErrorAndAbandonsTheDocument) {
  TempDir dir;
  TestRun t;
  t.run.log.errorsFile = dir.File("errors.txt");
  HPDF_Doc doc = HPDF_New(PdfErrorHandler, &t.run);
  bool abandoned = false;
  try {
    HPDF_SaveToFile(doc, dir.File("missing/chart.pdf").c_str());
  } catch (...) {
    abandoned = true;
  }
  HPDF_Free(doc);
  EXPECT_TRUE(abandoned);
  // The library's detail is the system's error number: 2, no such folder.
  EXPECT_EQ(t.Lines(), std::vector<std::string>{"PDF error 0x1017 (2) FILE_OPEN_ERROR"});
  EXPECT_EQ(ReadFile(dir.File("errors.txt")), "0x1017 (2) FILE_OPEN_ERROR\n");
}

}  // namespace
}  // namespace corvane
