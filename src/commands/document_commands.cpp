#include "commands/document_commands.h"

#include <algorithm>

#include "commands/command_context.h"
#include "commands/handler_support.h"
#include "commands/keyword_tables.h"

namespace corvane {
namespace {

constexpr std::size_t kMaxDocumentText = 256;
constexpr std::size_t kMaxPassword = 32;
constexpr std::size_t kMaxFormatLength = 20;

// A command whose one token replaces a text setting.
struct TextSetting {
  std::string ChartSettings::*setting;
  std::size_t maxLength;
  const char* missingMessage;
  const char* tooLongMessage;
};

constexpr TextSetting kOutput{&ChartSettings::Output, kMaxFileNameLength, "ERROR: Output - no filename",
                              "ERROR: Output - filename too long"};
constexpr TextSetting kProducer{&ChartSettings::Producer, kMaxDocumentText, "ERROR: Producer - no string",
                                "ERROR: Producer - too long"};
constexpr TextSetting kCreator{&ChartSettings::Creator, kMaxDocumentText, "ERROR: Creator - no string",
                               "ERROR: Creator - too long"};
constexpr TextSetting kAuthor{&ChartSettings::Author, kMaxDocumentText, "ERROR: Author - no string",
                              "ERROR: Author - too long"};
constexpr TextSetting kTitle{&ChartSettings::Title, kMaxDocumentText, "ERROR: Title - no string",
                             "ERROR: Title - too long"};
constexpr TextSetting kSubject{&ChartSettings::Subject, kMaxDocumentText, "ERROR: Subject - no string",
                               "ERROR: Subject - too long"};
constexpr TextSetting kKeywords{&ChartSettings::Keywords, kMaxDocumentText, "ERROR: Keywords - no string",
                                "ERROR: Keywords - too long"};
constexpr TextSetting kOutlineTitle{&ChartSettings::OutlineTitle, kMaxDocumentText,
                                    "ERROR: OutlineTitle - no string", "ERROR: OutlineTitle - too long"};
constexpr TextSetting kOwnerPassword{&ChartSettings::OwnerPassword, kMaxPassword,
                                     "ERROR: OwnerPassword - no string", "ERROR: OwnerPassword - too long"};
constexpr TextSetting kUserPassword{&ChartSettings::UserPassword, kMaxPassword,
                                    "ERROR: UserPassword - no string", "ERROR: UserPassword - too long"};

const char* StoreText(CommandContext& run, const char* args, const TextSetting& text) {
  std::string value;
  const char* next =
      ReadTokenOrFail(run, args, value, text.maxLength, text.missingMessage, text.tooLongMessage);
  if (next == nullptr) return nullptr;
  run.settings.*text.setting = value;
  return next;
}

// The commands without arguments go on reading right behind their word.
template <typename Value>
const char* Store(CommandContext& run, const char* args, Value ChartSettings::*setting, Value value) {
  run.settings.*setting = value;
  return args;
}

const char* AddBit(CommandContext& run, const char* args, int ChartSettings::*setting, int bit) {
  run.settings.*setting |= bit;
  return args;
}

// Notes, once, a command that only a PDF can hold, so that a PNG or SVG can say it ignored it.
// Passes on where the command's reading ended.
const char* PdfOnly(CommandContext& run, const char* name, const char* next) {
  auto& given = run.settings.PdfOnlyCommands;
  if (next != nullptr && std::find(given.begin(), given.end(), name) == given.end()) given.emplace_back(name);
  return next;
}

constexpr auto kOpenPdf = &ChartSettings::OpenPDF;
constexpr auto kCreationDate = &ChartSettings::CreationDate;
constexpr auto kOutline = &ChartSettings::Outline;
constexpr auto kPermissions = &ChartSettings::Permissions;
constexpr auto kViewerPreferences = &ChartSettings::ViewerPreferences;
constexpr auto kPageMode = &ChartSettings::PageMode;
constexpr auto kPageLayout = &ChartSettings::PageLayout;

}  // namespace

const char* OutputCommand(CommandContext& run, const char* args) { return StoreText(run, args, kOutput); }
const char* ProducerCommand(CommandContext& run, const char* args) { return StoreText(run, args, kProducer); }
const char* CreatorCommand(CommandContext& run, const char* args) { return StoreText(run, args, kCreator); }
const char* AuthorCommand(CommandContext& run, const char* args) { return StoreText(run, args, kAuthor); }
const char* TitleCommand(CommandContext& run, const char* args) { return StoreText(run, args, kTitle); }
const char* SubjectCommand(CommandContext& run, const char* args) { return StoreText(run, args, kSubject); }
const char* KeywordsCommand(CommandContext& run, const char* args) { return StoreText(run, args, kKeywords); }
const char* OutlineTitleCommand(CommandContext& run, const char* args) {
  return PdfOnly(run, "OutlineTitle", StoreText(run, args, kOutlineTitle));
}
const char* OwnerPasswordCommand(CommandContext& run, const char* args) { return StoreText(run, args, kOwnerPassword); }
const char* UserPasswordCommand(CommandContext& run, const char* args) { return StoreText(run, args, kUserPassword); }

const char* OpenPdfCommand(CommandContext& run, const char* args) { return Store(run, args, kOpenPdf, true); }
const char* CreationDateCommand(CommandContext& run, const char* args) { return Store(run, args, kCreationDate, true); }
const char* OutlineCommand(CommandContext& run, const char* args) {
  return PdfOnly(run, "Outline", Store(run, args, kOutline, true));
}

const char* PrintCommand(CommandContext& run, const char* args) {
  return AddBit(run, args, kPermissions, kPermitPrint);
}
const char* EditExtraCommand(CommandContext& run, const char* args) {
  return AddBit(run, args, kPermissions, kPermitEditAll);
}
const char* CopyCommand(CommandContext& run, const char* args) {
  return AddBit(run, args, kPermissions, kPermitCopy);
}
const char* EditCommand(CommandContext& run, const char* args) {
  return AddBit(run, args, kPermissions, kPermitEdit);
}

const char* HideToolbarCommand(CommandContext& run, const char* args) {
  return PdfOnly(run, "HideToolbar", AddBit(run, args, kViewerPreferences, kHideToolbar));
}
const char* HideMenubarCommand(CommandContext& run, const char* args) {
  return PdfOnly(run, "HideMenubar", AddBit(run, args, kViewerPreferences, kHideMenubar));
}
const char* HideWindowUiCommand(CommandContext& run, const char* args) {
  return PdfOnly(run, "HideWindowUI", AddBit(run, args, kViewerPreferences, kHideWindowUi));
}
const char* FitWindowCommand(CommandContext& run, const char* args) {
  return PdfOnly(run, "FitWindow", AddBit(run, args, kViewerPreferences, kFitWindow));
}
const char* CenterWindowCommand(CommandContext& run, const char* args) {
  return PdfOnly(run, "CenterWindow", AddBit(run, args, kViewerPreferences, kCenterWindow));
}

const char* PageModeUseNoneCommand(CommandContext& run, const char* args) {
  return PdfOnly(run, "PageModeUseNone", Store(run, args, kPageMode, PageMode::kUseNone));
}
const char* PageModeOutlinesCommand(CommandContext& run, const char* args) {
  return PdfOnly(run, "PageModeOutlines", Store(run, args, kPageMode, PageMode::kUseOutlines));
}
const char* PageModeUseThumbsCommand(CommandContext& run, const char* args) {
  return PdfOnly(run, "PageModeUseThumbs", Store(run, args, kPageMode, PageMode::kUseThumbs));
}
const char* PageModeFullScreenCommand(CommandContext& run, const char* args) {
  return PdfOnly(run, "PageModeFullScreen", Store(run, args, kPageMode, PageMode::kFullScreen));
}

const char* PageLayoutSinglePageCommand(CommandContext& run, const char* args) {
  return PdfOnly(run, "PageLayoutSinglePage", Store(run, args, kPageLayout, PageLayout::kSinglePage));
}
const char* PageLayoutOneColumnCommand(CommandContext& run, const char* args) {
  return PdfOnly(run, "PageLayoutOneColumn", Store(run, args, kPageLayout, PageLayout::kOneColumn));
}
const char* PageLayoutTwoColumnLeftCommand(CommandContext& run, const char* args) {
  return PdfOnly(run, "PageLayoutTwoColumnLeft", Store(run, args, kPageLayout, PageLayout::kTwoColumnLeft));
}
const char* PageLayoutTwoColumnRightCommand(CommandContext& run, const char* args) {
  return PdfOnly(run, "PageLayoutTwoColumnRight", Store(run, args, kPageLayout, PageLayout::kTwoColumnRight));
}

const char* FormatCommand(CommandContext& run, const char* args) {
  std::string word;
  const char* p = ReadTokenOrFail(run, args, word, kMaxFormatLength, "ERROR: Format - no format",
                                  "ERROR: Format - unknown format");
  if (p == nullptr) return nullptr;
  const auto format = LookupKeyword(OutputFormatTable, word);
  if (!format) return Fail(run, "ERROR: Format - unknown format");
  run.settings.Format = *format;
  return p;
}

const char* ResolutionCommand(CommandContext& run, const char* args) {
  return ReadIntegerOrFail(run, args, run.settings.Resolution, 36, 1200,
                           "ERROR: Resolution - between 36-1200 inclusive");
}

}  // namespace corvane
