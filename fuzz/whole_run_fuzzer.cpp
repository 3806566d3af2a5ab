// Feeds arbitrary bytes to a whole run: commands, options and dataset files, checks, sort,
// scale, and the document with its chart, built into memory. A run that succeeds must give a
// whole PDF whose page holds only finite numbers: a NaN, an infinity or libharu's clamp of
// one is as much a finding as a crash.
//
// Input layout: COMMAND TEXT [SEP OPTIONS BODY [SEP DATASET BODY]] (see run_folder.h). The
// command text arrives as a C string: it ends at its first NUL.
#include <cstdio>
#include <string>
#include <string_view>

#include "app/run.h"
#include "fuzz_entry.h"
#include "pdf/document_builder.h"
#include "platform/clock.h"
#include "run_folder.h"

extern "C" int CORVANE_FUZZ_ENTRY(FuzzWholeRun)(const std::uint8_t* data, std::size_t size) {
  using namespace corvane::fuzz;
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  std::string_view text = TakePart(rest);
  const std::string_view options = TakePart(rest);
  text = text.substr(0, text.find('\0'));
  if (LeavesTheFolder(text) || LeavesTheFolder(options)) return 0;
  EnterFolderWith(options, rest);

  static std::FILE* const devNull = std::fopen("/dev/null", "w");
  const corvane::SystemClock clock;
  corvane::Run run(clock, devNull);
  if (corvane::PrepareChart(run, std::string(text)) != 0) return 0;
  // The run sequence's last step, with the PDF built into memory.
  corvane::DocumentRun document = run.Document();
  std::string pdf;
  if (corvane::MakePdfInMemory(document, pdf) == 0 && (!IsWholePdf(pdf) || !HasSoundNumbers(pdf))) {
    __builtin_trap();
  }
  return 0;
}
