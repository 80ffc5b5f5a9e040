#pragma once
// The box shown while a print job runs: "Printing page N..." and Cancel.
// While it is open its owner takes no input, and the messages that wait are
// handled whenever the job asks (KeepGoing, and the printer's abort
// procedure), so the windows repaint and answer the system during the job.
#include <windows.h>

#include "win32/ui/modal_dialog.h"

namespace tonvero {

class PrintProgress : public ModalDialog {
 public:
  // Opens the box over `owner` and makes it the abort procedure of `printer`.
  PrintProgress(HWND owner, HDC printer);
  // Closes the box; a close or quit asked for meanwhile is handled now.
  ~PrintProgress() override;
  PrintProgress(const PrintProgress&) = delete;
  PrintProgress& operator=(const PrintProgress&) = delete;

  void ShowPage(int page);
  // Handles the messages that wait; false once the job is to stop: the user
  // cancelled it, or the program is asked to end.
  bool KeepGoing();
  bool Cancelled() const { return cancelled_; }

 private:
  std::vector<ControlSpec> Controls() const override;
  int OnInit() override;
  void OnCancel() override { cancelled_ = true; }
  static BOOL CALLBACK AbortProcedure(HDC printer, int error);

  HWND owner_;
  bool cancelled_ = false;
  bool closeAsked_ = false;
  bool quitAsked_ = false;
  WPARAM quitCode_ = 0;
};

}  // namespace tonvero
