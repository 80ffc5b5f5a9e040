#pragma once
// The "Printer" options dialog: the printing font and the page form. Its
// choices last for the run, so one print's choices are the next one's defaults.
#include <string>

#include "core/printing/page_layout.h"
#include "win32/ui/modal_dialog.h"

namespace tonvero {

// The font attributes the user chooses; style and colour are the layout's.
struct PrintFont {
  std::string name = "Arial";
  int tenthsOfPoint = 100;  // 10.5 points are 105
  BYTE pitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  BYTE charSet = DEFAULT_CHARSET;
};

class PrinterOptionsBox : public ModalDialog {
 public:
  PrinterOptionsBox();
  // Opens on `font`. True for "Print All", with the font chosen in the box
  // copied into `font`; false (and `font` unchanged) for Cancel.
  bool Choose(HWND owner, PrintFont& font);
  PrintForm Form() const { return form_; }

 private:
  std::vector<ControlSpec> Controls() const override;
  int OnInit() override;
  void OnCommand(int id, int code) override;
  void PickPrintingFont();

  PrintFont font_;
  PrintForm form_ = PrintForm::kList;
};

}  // namespace tonvero
