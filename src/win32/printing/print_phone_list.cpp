#include "win32/printing/print_phone_list.h"

#include <commdlg.h>
#include <winspool.h>

#include <algorithm>

#include "core/app/io_error.h"
#include "win32/printing/print_progress.h"
#include "win32/ui/look.h"

namespace tonvero {
namespace {

[[noreturn]] void ThrowPrintFailure() {
  const DWORD error = GetLastError();
  throw IoError(error != 0 ? static_cast<int>(error) : ERROR_GEN_FAILURE);
}

void Check(bool succeeded) {
  if (!succeeded) ThrowPrintFailure();
}

// The printer chosen in the system print dialog, as a device context that is
// deleted with this object; empty when the user cancels.
class ChosenPrinter {
 public:
  explicit ChosenPrinter(HWND owner) {
    dialog_.lStructSize = sizeof dialog_;
    dialog_.hwndOwner = owner;
    // Without PD_USEDEVMODECOPIESANDCOLLATE the copies are the program's
    // to print: nCopies says how many.
    dialog_.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION;
    dialog_.nCopies = 1;
    if (!PrintDlgA(&dialog_)) dialog_.hDC = nullptr;
  }
  ~ChosenPrinter() {
    if (dialog_.hDC) DeleteDC(dialog_.hDC);
    if (dialog_.hDevMode) GlobalFree(dialog_.hDevMode);
    if (dialog_.hDevNames) GlobalFree(dialog_.hDevNames);
  }
  ChosenPrinter(const ChosenPrinter&) = delete;
  ChosenPrinter& operator=(const ChosenPrinter&) = delete;

  HDC dc() const { return dialog_.hDC; }
  bool toFile() const { return (dialog_.Flags & PD_PRINTTOFILE) != 0; }
  int copies() const { return std::max<int>(1, dialog_.nCopies); }

 private:
  PRINTDLGA dialog_{};
};

// Thrown when the user stops the job; nothing more is printed or said.
struct PrintCancelled {};

// The layout's surface on a printer: one font per text style, black text
// and rules, pages opened and closed as the layout asks. Between two pieces
// it lets the progress box handle what waits, and stops when told.
class PrinterSurface : public PrintSurface {
 public:
  PrinterSurface(HDC dc, const PrintFont& font) : dc_(dc) {
    const int height = -MulDiv(font.tenthsOfPoint, GetDeviceCaps(dc, LOGPIXELSY), 720);
    regular_ = MakeFont(font, height, FW_NORMAL, FALSE);
    bold_ = MakeFont(font, height, FW_BOLD, FALSE);
    italic_ = MakeFont(font, height, FW_NORMAL, TRUE);
    pen_ = CreatePen(PS_SOLID, 0, look::kBlack);
    oldFont_ = SelectObject(dc_, regular_);
    oldPen_ = SelectObject(dc_, pen_);
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, look::kBlack);
    SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  }
  ~PrinterSurface() override {
    SelectObject(dc_, oldFont_);
    SelectObject(dc_, oldPen_);
    for (HGDIOBJ object : {regular_, bold_, italic_}) DeleteObject(object);
    DeleteObject(pen_);
  }
  PrinterSurface(const PrinterSurface&) = delete;
  PrinterSurface& operator=(const PrinterSurface&) = delete;

  // Height of "I" in the regular face: the layout's line height.
  int LineHeight() const {
    SIZE size{};
    Check(GetTextExtentPoint32A(dc_, "I", 1, &size));
    return size.cy;
  }

  // The job's box from the first page on.
  void ReportTo(PrintProgress& progress) { progress_ = &progress; }

  void BeginPage() override {
    EndOpenPage();
    if (progress_) progress_->ShowPage(++page_);
    KeepGoing();
    Check(StartPage(dc_) > 0);
    pageOpen_ = true;
    // Some drivers reset the device context at each page.
    SelectObject(dc_, pen_);
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, look::kBlack);
  }

  void Text(TextStyle style, int x, int y, const std::string& text) override {
    KeepGoing();
    SelectObject(dc_, style == TextStyle::kBold ? bold_ : style == TextStyle::kItalic ? italic_ : regular_);
    Check(TextOutA(dc_, x, y, text.data(), static_cast<int>(text.size())));
  }

  void Rule(int y, int width) override {
    KeepGoing();
    Check(MoveToEx(dc_, 0, y, nullptr));
    Check(LineTo(dc_, width, y));
  }

  void EndOpenPage() {
    if (!pageOpen_) return;
    pageOpen_ = false;
    Check(EndPage(dc_) > 0);
  }

 private:
  void KeepGoing() {
    if (progress_ && !progress_->KeepGoing()) throw PrintCancelled{};
  }

  static HFONT MakeFont(const PrintFont& font, int height, int weight, BOOL italic) {
    return CreateFontA(height, 0, 0, 0, weight, italic, FALSE, FALSE, font.charSet, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, font.pitchAndFamily, font.name.c_str());
  }

  HDC dc_;
  HFONT regular_, bold_, italic_;
  HPEN pen_;
  HGDIOBJ oldFont_, oldPen_;
  bool pageOpen_ = false;
  PrintProgress* progress_ = nullptr;
  int page_ = 0;
};

}  // namespace

bool PhoneListPrinter::PrinterInstalled() const {
  DWORD needed = 0, count = 0;
  EnumPrintersA(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0, &needed,
                &count);
  return needed > 0;
}

void PhoneListPrinter::Print(HWND owner, PrintJob job) {
  if (!printerBox_.Choose(owner, printerFont_)) return;
  job.form = printerBox_.Form();

  ChosenPrinter printer(owner);
  if (!printer.dc()) return;
  HDC dc = printer.dc();
  PrinterSurface surface(dc, printerFont_);
  job.pageWidth = GetDeviceCaps(dc, HORZRES);
  job.pageHeight = GetDeviceCaps(dc, VERTRES);
  job.lineHeight = surface.LineHeight();
  if (!PageFitsLayout(job)) return;

  DOCINFOA document{};
  document.cbSize = sizeof document;
  document.lpszDocName = job.caption.c_str();
  if (printer.toFile()) document.lpszOutput = "FILE:";
  PrintProgress progress(owner, dc);
  if (StartDocA(dc, &document) <= 0) ThrowPrintFailure();
  surface.ReportTo(progress);
  try {
    StyleGroupedSurface grouped(surface);
    // Each copy whole, one after the other: collated, as users expect.
    for (int copy = 0; copy < printer.copies(); ++copy) LayOutPhoneList(job, grouped);
    grouped.EndPage();
    surface.EndOpenPage();
    if (EndDoc(dc) <= 0) ThrowPrintFailure();
  } catch (...) {
    // An open job would hold the printer until the program ends, and ending
    // it would print a part as if it were whole.
    AbortDoc(dc);
    // A job the user stopped ends here, whatever the printer said of it.
    if (progress.Cancelled()) return;
    throw;
  }
}

}  // namespace tonvero
