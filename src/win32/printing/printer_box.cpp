#include "win32/printing/printer_box.h"

#include <commdlg.h>

#include <winspool.h>

#include <cstring>
#include <memory>
#include <type_traits>

#include "win32/ui/control_ids.h"
#include "win32/ui/look.h"

namespace tonvero {
namespace {

using namespace look;

int ScreenPixelsPerInch() {
  HDC screen = GetDC(nullptr);
  const int pixels = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return pixels;
}

struct DcDeleter {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
using InformationContext = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;

// The default printer, for asking about its fonts; empty without one.
InformationContext DefaultPrinterInformation() {
  char name[512] = {};
  DWORD size = sizeof name;
  if (!GetDefaultPrinterA(name, &size)) return nullptr;
  return InformationContext(CreateICA("WINSPOOL", name, nullptr, nullptr));
}

}  // namespace

PrinterOptionsBox::PrinterOptionsBox() : ModalDialog("Printer", 201, 109, true, true) {}

bool PrinterOptionsBox::Choose(HWND owner, PrintFont& font) {
  font_ = font;
  if (Show(owner) != kResultAll) return false;
  font = font_;
  return true;
}

std::vector<ControlSpec> PrinterOptionsBox::Controls() const {
  return {
      {IDC_PRINTER_FONT, "BUTTON", "Font", 8, 24, 97, 28, kPushButton, kBoldFont},
      {IDC_PRINTER_FORM, "BUTTON", " Form ", 120, 8, 73, 57, WS_VISIBLE | BS_GROUPBOX},
      {IDC_PRINTER_LIST, "BUTTON", "List", 128, 24, 57, 17, kRadioButton | WS_GROUP | WS_TABSTOP},
      {IDC_PRINTER_BOOK, "BUTTON", "Book", 128, 42, 57, 17, kRadioButton},
      {IDC_PRINTER_ALL, "BUTTON", "Print All", 8, 72, 97, 28, kPushButton | WS_GROUP, kBoldFont},
      {IDC_PRINTER_CANCEL, "BUTTON", "Cancel", 120, 72, 73, 28, kPushButton, kBoldFont},
  };
}

int PrinterOptionsBox::OnInit() {
  const int chosen = form_ == PrintForm::kBook ? IDC_PRINTER_BOOK : IDC_PRINTER_LIST;
  CheckRadioButton(Handle(), IDC_PRINTER_LIST, IDC_PRINTER_BOOK, chosen);
  return IDC_PRINTER_CANCEL;
}

void PrinterOptionsBox::OnCommand(int id, int code) {
  if (code != BN_CLICKED) return;
  switch (id) {
    case IDC_PRINTER_FONT: PickPrintingFont(); break;
    case IDC_PRINTER_ALL: Close(kResultAll); break;
    // The form is kept as soon as it is clicked, as the dialog's own state.
    case IDC_PRINTER_LIST: form_ = PrintForm::kList; break;
    case IDC_PRINTER_BOOK: form_ = PrintForm::kBook; break;
  }
}

void PrinterOptionsBox::PickPrintingFont() {
  LOGFONTA logFont{};
  logFont.lfHeight = -MulDiv(font_.tenthsOfPoint, ScreenPixelsPerInch(), 720);
  logFont.lfWeight = FW_NORMAL;
  logFont.lfCharSet = font_.charSet;
  logFont.lfPitchAndFamily = font_.pitchAndFamily;
  lstrcpynA(logFont.lfFaceName, font_.name.c_str(), LF_FACESIZE);

  CHOOSEFONTA choice{};
  choice.lStructSize = sizeof choice;
  choice.hwndOwner = Handle();
  choice.lpLogFont = &logFont;
  // The printer's own fonts too, beside the screen's.
  const InformationContext printer = DefaultPrinterInformation();
  choice.hDC = printer.get();
  choice.Flags = (printer ? CF_BOTH : CF_SCREENFONTS) | CF_INITTOLOGFONTSTRUCT;
  if (!ChooseFontA(&choice)) return;
  font_.name = logFont.lfFaceName;
  if (choice.iPointSize > 0) font_.tenthsOfPoint = choice.iPointSize;
  font_.charSet = logFont.lfCharSet;
  font_.pitchAndFamily = logFont.lfPitchAndFamily;
}

}  // namespace tonvero
