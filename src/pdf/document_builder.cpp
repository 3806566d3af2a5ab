#include "pdf/document_builder.h"

#include <fcntl.h>
#include <hpdf.h>
#include <hpdf_objects.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string_view>
#include <tuple>

#include "charts/chart_plotter.h"
#include "pdf/pdf_errors.h"
#include "platform/compare.h"
#include "platform/text_file.h"
#include "platform/viewer.h"
#include "render/text.h"

namespace corvane {
namespace {

// The library refuses an empty owner password and one equal to the user password, so a
// document protected by a user password alone gets this one (or, if the user chose this
// very text, a variant of it).
constexpr char kOwnerPasswordWhenNoneGiven[] = "Corvane owner";

std::string OwnerPasswordFor(const ChartSettings& s) {
  if (!s.OwnerPassword.empty()) return s.OwnerPassword;
  if (s.UserPassword == kOwnerPasswordWhenNoneGiven) return std::string(kOwnerPasswordWhenNoneGiven) + "+";
  return kOwnerPasswordWhenNoneGiven;
}

void ApplyEncryption(HPDF_Doc doc, const ChartSettings& s) {
  if (s.OwnerPassword.empty() && s.UserPassword.empty()) return;
  HPDF_SetPassword(doc, OwnerPasswordFor(s).c_str(), s.UserPassword.c_str());
  HPDF_SetPermission(doc, static_cast<HPDF_UINT>(s.Permissions));
  HPDF_SetEncryptionMode(doc, HPDF_ENCRYPT_R2, 40);
}

// Only the fonts some command named, and Times-Roman, the font of every default FontSpec.
LoadedFonts LoadFonts(HPDF_Doc doc, const ChartSettings& s) {
  LoadedFonts fonts{};
  for (int n = 0; n < kFontCount; ++n) {
    const auto font = static_cast<StandardFont>(n);
    if (!s.FontUsed[FontIndex(font)] && font != StandardFont::kTimesRoman) continue;
    fonts[FontIndex(font)] = HPDF_GetFont(doc, StandardFontName(font), "WinAnsiEncoding");
  }
  return fonts;
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
  HPDF_SetInfoAttr(doc, HPDF_INFO_PRODUCER, s.Producer.c_str());
  const std::pair<HPDF_InfoType, const std::string*> entries[] = {
      {HPDF_INFO_CREATOR, &s.Creator}, {HPDF_INFO_AUTHOR, &s.Author},     {HPDF_INFO_TITLE, &s.Title},
      {HPDF_INFO_SUBJECT, &s.Subject}, {HPDF_INFO_KEYWORDS, &s.Keywords},
  };
  for (const auto& [type, text] : entries) {
    if (!text->empty()) HPDF_SetInfoAttr(doc, type, text->c_str());
  }
}

// The outline's root entry, opened, with the viewer told to show the outline; null when no
// outline was asked for.
HPDF_Outline CreateOutlineRoot(HPDF_Doc doc, const ChartSettings& s) {
  if (!s.Outline) return nullptr;
  HPDF_Outline root = HPDF_CreateOutline(doc, nullptr, "OutlineRoot", nullptr);
  if (!s.OutlineTitle.empty()) {
    // The library has no call that retitles an entry: its Title string is replaced.
    HPDF_String title = HPDF_String_New(root->mmgr, s.OutlineTitle.c_str(), nullptr);
    if (HPDF_Dict_Add(root, "Title", title) != HPDF_OK) HPDF_CheckError(root->error);
  }
  HPDF_Outline_SetOpened(root, HPDF_TRUE);
  HPDF_SetPageMode(doc, HPDF_PAGE_MODE_USE_OUTLINE);
  return root;
}

void PaintBackground(HPDF_Page page, const ChartSettings& s) {
  const RgbColor& c = s.Page.color;
  if (c.red >= 1 && c.green >= 1 && c.blue >= 1) return;  // white paper needs no paint
  HPDF_Page_SetRGBFill(page, c.red, c.green, c.blue);
  HPDF_Page_Rectangle(page, 0, 0, static_cast<float>(s.Page.width), static_cast<float>(s.Page.height));
  HPDF_Page_Fill(page);
}

// x of a text of width w on a page of width W, aligned by the heading's horizontal code.
double HeadingX(HorizontalAlignment horizontal, double W, double w, double S) {
  switch (horizontal) {
    case HorizontalAlignment::kLeft: return S / 2;
    case HorizontalAlignment::kCentre: return (W - w) / 2;
    case HorizontalAlignment::kRight: return W - w - S / 2;
  }
  return S / 2;
}

// Deletes the file when the save does not get as far as keeping it.
struct TemporaryFile {
  std::string path;
  bool kept = false;
  ~TemporaryFile() {
    if (!kept) unlink(path.c_str());
  }
};

// The folder part of a path with its final '/', or "" for a bare name.
std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The new file gets the permissions of the file it replaces, or those a plain create gives.
mode_t ModeFor(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) return info.st_mode & 07777;
  const mode_t mask = umask(0);  // the only way to read the mask is to set it
  umask(mask);
  return 0666 & ~mask;
}

// Whether the library's file reached the disk whole. The library does not check the close
// that writes its last bytes, so a disk that filled up shows only as a missing end marker.
bool WrittenWhole(const std::string& path, int& error) {
  const int fd = open(path.c_str(), O_RDONLY);
  if (fd < 0) {
    error = errno;
    return false;
  }
  char tail[8] = {};
  const off_t size = lseek(fd, 0, SEEK_END);
  const bool read = size >= static_cast<off_t>(sizeof tail) &&
                    pread(fd, tail, sizeof tail, size - static_cast<off_t>(sizeof tail)) == sizeof tail;
  const bool synced = fsync(fd) == 0;
  if (!synced) error = errno;
  close(fd);
  return synced && read && std::string_view(tail, sizeof tail).find("%%EOF") != std::string_view::npos;
}

// The library writes straight into the named file, so a save that failed half-way would
// leave a truncated PDF where the user's previous file was. The document goes to a new
// file in the same folder instead, which replaces the output only once it is complete.
// Failures are reported as the library reports its own and abandon the document.
void SaveReplacing(DocumentRun& run, HPDF_Doc doc, const std::string& path) {
  TemporaryFile temp{FolderOf(path) + ".corvane-XXXXXX"};
  const int fd = mkstemp(temp.path.data());
  if (fd < 0) {
    // A folder that takes no new file is reported as the library reports a file it cannot open.
    temp.kept = true;
    PdfErrorHandler(HPDF_FILE_OPEN_ERROR, static_cast<HPDF_STATUS>(errno), &run);
  }
  fchmod(fd, ModeFor(path));
  close(fd);

  errno = 0;
  HPDF_SaveToFile(doc, temp.path.c_str());
  int error = errno;  // what the unchecked close of the library's file failed with, if it did
  if (!WrittenWhole(temp.path, error)) {
    PdfErrorHandler(HPDF_FILE_IO_ERROR, static_cast<HPDF_STATUS>(error), &run);
  }
  if (rename(temp.path.c_str(), path.c_str()) != 0) {
    PdfErrorHandler(HPDF_FILE_OPEN_ERROR, static_cast<HPDF_STATUS>(errno), &run);
  }
  temp.kept = true;
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
// exception of PdfErrorHandler.
void BuildAndSave(DocumentRun& run, HPDF_Doc doc, const std::string& fileName, std::string* pdfInMemory) {
  const ChartSettings& s = run.settings;
  HPDF_SetCompressionMode(doc, HPDF_COMP_ALL);
  ApplyEncryption(doc, s);
  run.log.LogMessage("Creating PDF structure in memory...");
  const LoadedFonts fonts = LoadFonts(doc, s);
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
    entry = HPDF_CreateOutline(doc, root, s.Title.c_str(), nullptr);
    destination = HPDF_Page_CreateDestination(page);
  }
  PaintBackground(page, s);

  const Canvas canvas{page, fonts, s, run.data, run.scale};
  ChartArea area{0, s.Page.height, s.Page.width, 0};
  DrawHeadings(canvas, area);
  DrawChart(canvas, area);

  if (entry != nullptr) {
    HPDF_Destination_SetXYZ(destination, 0, HPDF_Page_GetHeight(page), 1);
    HPDF_Outline_SetDestination(entry, destination);
  }
  run.log.LogMessage("Saving PDF to [%s]", fileName.c_str());
  if (pdfInMemory != nullptr) {
    SaveToMemory(doc, *pdfInMemory);
  } else {
    SaveReplacing(run, doc, NativePath(fileName));
  }
  run.log.LogMessage("Save complete");
}

// MakePDF, with the document kept in pdfInMemory instead of saved when that is given.
int MakeDocument(DocumentRun& run, std::string* pdfInMemory) {
  const std::string fileName = PdfFileName(run.settings.Output);
  HPDF_Doc doc = HPDF_New(PdfErrorHandler, &run);
  if (doc == nullptr) {
    run.log.LogMessage("MakePDF error: Could not create object HPDF_Doc");
    run.log.ErrorsOnly("Could not create object HPDF_Doc");
    return 1;
  }
  try {
    BuildAndSave(run, doc, fileName, pdfInMemory);
  } catch (const PdfBuildAbandoned&) {
    HPDF_Free(doc);
    return 1;
  }
  HPDF_Free(doc);

  if (run.settings.OpenPDF) {
    run.log.LogMessage("Opening PDF in default PDF viewer");
    const int result = OpenInViewer(NativePath(fileName));
    if (result == kViewerOpened) {
      run.log.LogMessage("success");
    } else {
      run.log.LogMessage("failed, error=%d", result);
    }
  }
  return 0;
}

}  // namespace

std::string PdfFileName(const std::string& output) {
  const bool hasExtension =
      output.size() > 4 && EqualsNoCase(std::string_view(output).substr(output.size() - 4), ".pdf");
  return hasExtension ? output : output + ".pdf";
}

void DrawHeadings(const Canvas& canvas, ChartArea& area) {
  const ChartSettings& s = canvas.settings;
  const HPDF_Page page = canvas.page;
  const bool bottom = s.ChartHeading.vertical == VerticalAlignment::kBottom;
  const double W = HPDF_Page_GetWidth(page);
  const double H = HPDF_Page_GetHeight(page);
  double y = 0;    // the heading's baseline
  double sub = 0;  // how far below it the subheading's baseline lies

  if (!s.Title.empty()) {
    if (!s.Subject.empty()) {
      HPDF_Page_SetFontAndSize(page, canvas.fonts[FontIndex(s.HeadingSubTitle.font)],
                               static_cast<float>(s.HeadingSubTitle.size));
      sub = Ascent(page) + Descent(page);
    }
    ApplyFont(canvas, s.HeadingTitle);
    const double A = Ascent(page);
    const double D = Descent(page);
    const double S = SpaceWidth(page);
    if (!s.Subject.empty()) sub += D;
    const double w = TextWidth(page, s.Title);
    if (bottom) {
      y = 2 * D + sub;
      area.bottom = static_cast<int>(A + y + 0.5 + 2 * D);
      area.top -= static_cast<int>(D);
    } else {
      y = H - A - 2 * D;
      area.top = static_cast<int>(y - 2 * D - 0.5 - sub);
      area.bottom += static_cast<int>(D);
    }
    const double x = HeadingX(s.ChartHeading.horizontal, W, w, S);
    area.left += static_cast<int>(S);
    area.right -= static_cast<int>(S);
    WriteText(page, 0, x, y, s.Title);
  }

  if (!s.Subject.empty()) {
    ApplyFont(canvas, s.HeadingSubTitle);
    const double A = Ascent(page);
    const double D = Descent(page);
    const double S = SpaceWidth(page);
    const double w = TextWidth(page, s.Subject);
    double offset = sub;
    if (s.Title.empty()) {
      offset = 0;
      if (bottom) {
        y = 2 * D;
        area.bottom = static_cast<int>(A + 3 * D);
        area.top -= static_cast<int>(D);
      } else {
        y = H - A - D;
        area.top = static_cast<int>(y - 2 * D);
        area.bottom += static_cast<int>(D);
      }
      area.left += static_cast<int>(S);
      area.right -= static_cast<int>(S);
    }
    const double x = HeadingX(s.ChartHeading.horizontal, W, w, S);
    WriteText(page, 0, x, y - offset, s.Subject);
  }

  if (s.Title.empty() && s.Subject.empty()) area = ChartArea{5, s.Page.height - 5, s.Page.width - 5, 5};
}

int MakePDF(DocumentRun& run) { return MakeDocument(run, nullptr); }

int MakePdfInMemory(DocumentRun& run, std::string& pdf) { return MakeDocument(run, &pdf); }

}  // namespace corvane
