#include "pdf/document_builder.h"

#include <hpdf.h>

#include <cerrno>
#include <cstdlib>
#include <tuple>

#include "charts/page_layout.h"
#include "pdf/libharu_internals.h"
#include "pdf/pdf_errors.h"
#include "pdf/pdf_surface.h"
#include "pdf/pdf_text_string.h"
#include "platform/encoding.h"
#include "platform/random_bytes.h"
#include "render/background.h"

namespace corvane {
namespace {

// The library refuses an empty owner password, so a document protected by a user password
// alone gets one of its own: 32 random hexadecimal digits, new for each document, since an
// owner password anyone could know would let anyone lift the permissions.
std::string OwnerPasswordFor(DocumentRun& run, const ChartSettings& s) {
  if (!s.OwnerPassword.empty()) return s.OwnerPassword;
  unsigned char bytes[16];
  if (!RandomBytes(bytes, sizeof bytes)) {
    PdfErrorHandler(HPDF_ENCRYPT_INVALID_PASSWORD, static_cast<HPDF_STATUS>(errno), &run);
  }
  std::string password;
  for (const unsigned char b : bytes) {
    password += "0123456789abcdef"[b >> 4];
    password += "0123456789abcdef"[b & 15];
  }
  return password;
}

// The permission bits the standard reserves, which it wants set (libharu's HPDF_PERMISSION_PAD).
// The library writes the value it is given and derives the key from that same value.
constexpr HPDF_UINT kReservedPermissionBits = 0xFFFFFFC0;

// A password's bytes: Windows-1252 when it fits there, as passwords always were (and as readers
// take PDFDocEncoding), otherwise the UTF-8 a reader's user types, of which the library and
// readers alike take the first 32 bytes.
std::string PasswordBytes(const std::string& password) {
  return FitsWindows1252(password) ? ToWindows1252(password) : password;
}

void ApplyEncryption(DocumentRun& run, HPDF_Doc doc, const ChartSettings& s) {
  if (s.OwnerPassword.empty() && s.UserPassword.empty()) return;
  HPDF_SetPassword(doc, PasswordBytes(OwnerPasswordFor(run, s)).c_str(), PasswordBytes(s.UserPassword).c_str());
  HPDF_SetPermission(doc, static_cast<HPDF_UINT>(s.Permissions) | kReservedPermissionBits);
  HPDF_SetEncryptionMode(doc, HPDF_ENCRYPT_R2, 40);
}

// Only the fonts some command named, and Times-Roman, the font of every default FontSpec.
void LoadFonts(PdfFonts& fonts, const ChartSettings& s) {
  for (int n = 0; n < kFontCount; ++n) {
    const auto font = static_cast<StandardFont>(n);
    if (s.FontUsed[FontIndex(font)] || font == StandardFont::kTimesRoman) fonts.Load(font);
  }
}

// Local time and UTC of one instant are at most a day apart, so comparing the dates tells
// which day the offset crosses into.
int MinutesAheadOfUtc(const Moment& now) {
  const auto date = [](const DateTime& t) { return std::tie(t.year, t.month, t.day); };
  const int dayShift = date(now.local) > date(now.utc) ? 1 : date(now.local) < date(now.utc) ? -1 : 0;
  return dayShift * 24 * 60 + (now.local.hour - now.utc.hour) * 60 + (now.local.minute - now.utc.minute);
}

void SetCreationDate(HPDF_Doc doc, const Moment& now) {
  const int offset = MinutesAheadOfUtc(now);
  const int size = offset < 0 ? -offset : offset;
  const char sign = offset > 0 ? '+' : offset < 0 ? '-' : 'Z';
  const DateTime& t = now.local;
  const HPDF_Date date{t.year, t.month, t.day, t.hour, t.minute, t.second, sign, size / 60, size % 60};
  HPDF_SetInfoDateAttr(doc, HPDF_INFO_CREATION_DATE, date);
}

// The bits of the settings are the library's own.
static_assert(kPermitPrint == HPDF_ENABLE_PRINT && kPermitEditAll == HPDF_ENABLE_EDIT_ALL &&
              kPermitCopy == HPDF_ENABLE_COPY && kPermitEdit == HPDF_ENABLE_EDIT);
static_assert(kHideToolbar == HPDF_HIDE_TOOLBAR && kHideMenubar == HPDF_HIDE_MENUBAR &&
              kHideWindowUi == HPDF_HIDE_WINDOW_UI && kFitWindow == HPDF_FIT_WINDOW &&
              kCenterWindow == HPDF_CENTER_WINDOW);

HPDF_PageMode LibraryPageMode(PageMode mode) {
  switch (mode) {
    case PageMode::kUseNone: return HPDF_PAGE_MODE_USE_NONE;
    case PageMode::kUseOutlines: return HPDF_PAGE_MODE_USE_OUTLINE;
    case PageMode::kUseThumbs: return HPDF_PAGE_MODE_USE_THUMBS;
    case PageMode::kFullScreen: return HPDF_PAGE_MODE_FULL_SCREEN;
  }
  return HPDF_PAGE_MODE_USE_NONE;
}

HPDF_PageLayout LibraryPageLayout(PageLayout layout) {
  switch (layout) {
    case PageLayout::kSinglePage: return HPDF_PAGE_LAYOUT_SINGLE;
    case PageLayout::kOneColumn: return HPDF_PAGE_LAYOUT_ONE_COLUMN;
    case PageLayout::kTwoColumnLeft: return HPDF_PAGE_LAYOUT_TWO_COLUMN_LEFT;
    case PageLayout::kTwoColumnRight: return HPDF_PAGE_LAYOUT_TWO_COLUMN_RIGHT;
  }
  return HPDF_PAGE_LAYOUT_SINGLE;
}

void ApplyViewerSettings(HPDF_Doc doc, const ChartSettings& s) {
  if (s.ViewerPreferences != 0) HPDF_SetViewerPreference(doc, static_cast<HPDF_UINT>(s.ViewerPreferences));
  // The first of each is the viewer's own default, which the document does not state.
  if (s.PageMode != PageMode::kUseNone) HPDF_SetPageMode(doc, LibraryPageMode(s.PageMode));
  if (s.PageLayout != PageLayout::kSinglePage) HPDF_SetPageLayout(doc, LibraryPageLayout(s.PageLayout));
}

void ApplyInformation(HPDF_Doc doc, const ChartSettings& s) {
  SetInfoText(doc, HPDF_INFO_PRODUCER, ToPdfTextString(s.Producer));
  const std::pair<HPDF_InfoType, const std::string*> entries[] = {
      {HPDF_INFO_CREATOR, &s.Creator}, {HPDF_INFO_AUTHOR, &s.Author},     {HPDF_INFO_TITLE, &s.Title},
      {HPDF_INFO_SUBJECT, &s.Subject}, {HPDF_INFO_KEYWORDS, &s.Keywords},
  };
  for (const auto& [type, text] : entries) {
    if (!text->empty()) SetInfoText(doc, type, ToPdfTextString(*text));
  }
}

// The outline's root entry, opened, with the viewer told to show the outline; null when no
// outline was asked for.
HPDF_Outline CreateOutlineRoot(HPDF_Doc doc, const ChartSettings& s) {
  if (!s.Outline) return nullptr;
  HPDF_Outline root = HPDF_CreateOutline(doc, nullptr, "OutlineRoot", nullptr);
  if (!s.OutlineTitle.empty()) RetitleOutline(root, ToPdfTextString(s.OutlineTitle));
  HPDF_Outline_SetOpened(root, HPDF_TRUE);
  HPDF_SetPageMode(doc, HPDF_PAGE_MODE_USE_OUTLINE);
  return root;
}

// The library's own memory stream, copied out whole.
void SaveToMemory(HPDF_Doc doc, std::string& pdf) {
  HPDF_SaveToStream(doc);
  HPDF_UINT32 size = HPDF_GetStreamSize(doc);
  pdf.resize(size);
  HPDF_ReadFromStream(doc, reinterpret_cast<HPDF_BYTE*>(pdf.data()), &size);
  pdf.resize(size);
}

// Everything between creating and freeing the document. Library failures leave it by the
// exception of PdfErrorHandler; a chart with no room returns false, logged.
bool Build(DocumentRun& run, HPDF_Doc doc, std::string& pdf) {
  const ChartSettings& s = run.settings;
  HPDF_SetCompressionMode(doc, HPDF_COMP_ALL);
  ApplyEncryption(run, doc, s);
  run.log.LogMessage("Creating PDF structure in memory...");
  PdfFonts fonts(doc);
  LoadFonts(fonts, s);
  if (s.CreationDate) SetCreationDate(doc, run.clock.Now());
  ApplyViewerSettings(doc, s);
  ApplyInformation(doc, s);
  HPDF_Outline root = CreateOutlineRoot(doc, s);

  HPDF_Page page = HPDF_AddPage(doc);
  HPDF_Page_SetWidth(page, static_cast<float>(s.Page.width));
  HPDF_Page_SetHeight(page, static_cast<float>(s.Page.height));
  HPDF_Outline entry = nullptr;
  HPDF_Destination destination = nullptr;
  if (root != nullptr) {
    const PdfTextString title = ToPdfTextString(s.Title);
    entry = HPDF_CreateOutline(doc, root, title.utf16 ? "" : title.bytes.c_str(), nullptr);
    if (title.utf16) RetitleOutline(entry, title);
    destination = HPDF_Page_CreateDestination(page);
  }
  PdfSurface surface(page, fonts);
  DrawPageBackground(surface, s);

  TextFonts textFonts(surface, s, run.fonts, run.log);
  const Canvas canvas{surface, s, run.data, run.scale, run.log, textFonts};
  switch (DrawChartPage(canvas)) {
    case ChartOutcome::kDrawn:
      break;
    case ChartOutcome::kSliceRunsBackwards:
      // libharu refused an arc running backwards until 2.3.0 began to draw it; the run
      // reports it as it always has.
      PdfErrorHandler(HPDF_PAGE_OUT_OF_RANGE, 0, &run);
    case ChartOutcome::kNoRoom:  // the chart has said why
      return false;
  }

  fonts.EmbedTrueType();
  if (entry != nullptr) {
    HPDF_Destination_SetXYZ(destination, 0, HPDF_Page_GetHeight(page), 1);
    HPDF_Outline_SetDestination(entry, destination);
  }
  SaveToMemory(doc, pdf);
  return true;
}

}  // namespace

int MakePdfInMemory(DocumentRun& run, std::string& pdf) {
  pdf.clear();
  HPDF_Doc doc = HPDF_New(PdfErrorHandler, &run);
  if (doc == nullptr) {
    run.log.LogMessage("MakePDF error: Could not create object HPDF_Doc");
    run.log.ErrorsOnly("Could not create object HPDF_Doc");
    return 1;
  }
  bool built = false;
  try {
    built = Build(run, doc, pdf);
  } catch (const PdfBuildAbandoned&) {
  }
  HPDF_Free(doc);
  if (!built) pdf.clear();
  return built ? 0 : 1;
}

// A save that failed is reported as the library reports a file it cannot open or write.
void ReportPdfSaveFailure(DocumentRun& run, const FileReplaceFailure& failure) {
  const HPDF_STATUS code = failure.step == FileReplaceFailure::kWrite ? HPDF_FILE_IO_ERROR : HPDF_FILE_OPEN_ERROR;
  try {
    PdfErrorHandler(code, static_cast<HPDF_STATUS>(failure.error), &run);
  } catch (const PdfBuildAbandoned&) {
  }
}

}  // namespace corvane
