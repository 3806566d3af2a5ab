#include "pdf/document_builder.h"

#include <hpdf.h>
#include <hpdf_objects.h>

#include <cerrno>
#include <cstdlib>
#include <string_view>
#include <tuple>

#include "app/run.h"
#include "charts/chart_plotter.h"
#include "commands/keyword_tables.h"
#include "pdf/pdf_errors.h"
#include "platform/atomic_file.h"
#include "platform/compare.h"
#include "platform/random_bytes.h"
#include "platform/text_file.h"
#include "platform/viewer.h"
#include "render/text.h"

namespace corvane {
namespace {

// The library refuses an empty owner password, so a document protected by a user password
// alone gets one of its own: 32 random hexadecimal digits, new for each document, since an
// owner password anyone could know would let anyone lift the permissions.
std::string OwnerPasswordFor(Run& run, const ChartSettings& s) {
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

void ApplyEncryption(Run& run, HPDF_Doc doc, const ChartSettings& s) {
  if (s.OwnerPassword.empty() && s.UserPassword.empty()) return;
  HPDF_SetPassword(doc, OwnerPasswordFor(run, s).c_str(), s.UserPassword.c_str());
  HPDF_SetPermission(doc, static_cast<HPDF_UINT>(s.Permissions) | kReservedPermissionBits);
  HPDF_SetEncryptionMode(doc, HPDF_ENCRYPT_R2, 40);
}

// Only the fonts some command named, and Times-Roman, the font of every default FontSpec.
LoadedFonts LoadFonts(HPDF_Doc doc, const ChartSettings& s) {
  LoadedFonts fonts{};
  for (int n = 1; n <= kFontCount; ++n) {
    if (s.FontUsed[n] == 0 && n != kFontTimesRoman) continue;
    fonts[n] = HPDF_GetFont(doc, FontName(n), "WinAnsiEncoding");
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

void ApplyViewerSettings(HPDF_Doc doc, const ChartSettings& s) {
  if (s.ViewerPreferences != 0) HPDF_SetViewerPreference(doc, static_cast<HPDF_UINT>(s.ViewerPreferences));
  if (s.PageMode != 0) HPDF_SetPageMode(doc, static_cast<HPDF_PageMode>(s.PageMode));
  if (s.PageLayout != 0) HPDF_SetPageLayout(doc, static_cast<HPDF_PageLayout>(s.PageLayout));
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
  if (s.Outline == 0) return nullptr;
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
double HeadingX(int horizontal, double W, double w, double S) {
  switch (horizontal) {
    case 2: return (W - w) / 2;
    case 3: return W - w - S / 2;
    default: return S / 2;
  }
}

// The library's own memory stream, copied out whole.
void SaveToMemory(HPDF_Doc doc, std::string& pdf) {
  HPDF_SaveToStream(doc);
  HPDF_UINT32 size = HPDF_GetStreamSize(doc);
  pdf.resize(size);
  HPDF_ReadFromStream(doc, reinterpret_cast<HPDF_BYTE*>(pdf.data()), &size);
  pdf.resize(size);
}

// The document is built in memory and then replaces the output whole, so that no failure or
// kill leaves a truncated PDF or a temporary file. Failures are reported as the library
// reports a file it cannot open or write, and abandon the document.
void SaveReplacing(Run& run, const std::string& pdf, const std::string& path) {
  if (const auto failure = ReplaceFile(path, pdf)) {
    const bool writing = failure->step == FileReplaceFailure::kWrite;
    const HPDF_STATUS code = writing ? HPDF_FILE_IO_ERROR : HPDF_FILE_OPEN_ERROR;
    PdfErrorHandler(code, static_cast<HPDF_STATUS>(failure->error), &run);
  }
}

// Everything between creating and freeing the document. Library failures leave it by the
// exception of PdfErrorHandler.
void BuildAndSave(Run& run, HPDF_Doc doc, const std::string& fileName) {
  const ChartSettings& s = run.settings;
  HPDF_SetCompressionMode(doc, HPDF_COMP_ALL);
  ApplyEncryption(run, doc, s);
  run.log.LogMessage("Creating PDF structure in memory...");
  const LoadedFonts fonts = LoadFonts(doc, s);
  if (s.CreationDate != 0) SetCreationDate(doc, run.log.clock().Now());
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
  std::string pdf;
  SaveToMemory(doc, run.pdfInMemory != nullptr ? *run.pdfInMemory : pdf);
  if (run.pdfInMemory == nullptr) SaveReplacing(run, pdf, NativePath(fileName));
  run.log.LogMessage("Save complete");
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
  const bool bottom = s.ChartHeading.vertical == 3;
  const double W = HPDF_Page_GetWidth(page);
  const double H = HPDF_Page_GetHeight(page);
  double y = 0;    // the heading's baseline
  double sub = 0;  // how far below it the subheading's baseline lies

  if (!s.Title.empty()) {
    if (!s.Subject.empty()) {
      HPDF_Page_SetFontAndSize(page, canvas.fonts[s.HeadingSubTitle.font],
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

int MakePDF(Run& run) {
  const std::string fileName = PdfFileName(run.settings.Output);
  HPDF_Doc doc = HPDF_New(PdfErrorHandler, &run);
  if (doc == nullptr) {
    run.log.LogMessage("MakePDF error: Could not create object HPDF_Doc");
    run.log.ErrorsOnly("Could not create object HPDF_Doc");
    return 1;
  }
  try {
    BuildAndSave(run, doc, fileName);
  } catch (const PdfBuildAbandoned&) {
    HPDF_Free(doc);
    return 1;
  }
  HPDF_Free(doc);

  if (run.settings.OpenPDF != 0) {
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

}  // namespace corvane
