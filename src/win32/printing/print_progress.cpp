#include "win32/printing/print_progress.h"

#include <string>

#include "win32/ui/control_ids.h"
#include "win32/ui/look.h"

namespace tonvero {
namespace {

using namespace look;

// The box of the job that prints now: the abort procedure has no other way
// to it, and one job prints at a time.
PrintProgress* current = nullptr;

std::string PageText(int page) { return "Printing page " + std::to_string(page) + "..."; }

}  // namespace

PrintProgress::PrintProgress(HWND owner, HDC printer) : ModalDialog("Printing", 220, 84, true), owner_(owner) {
  current = this;
  SetAbortProc(printer, AbortProcedure);
  EnableWindow(owner_, FALSE);
  ShowModeless(owner_);
}

PrintProgress::~PrintProgress() {
  // Enabled before the box goes, so that the owner is the window activated.
  EnableWindow(owner_, TRUE);
  Dismiss();
  current = nullptr;
  if (closeAsked_) PostMessageA(owner_, WM_CLOSE, 0, 0);
  if (quitAsked_) PostQuitMessage(static_cast<int>(quitCode_));
}

std::vector<ControlSpec> PrintProgress::Controls() const {
  return {
      {IDC_PRINTING_PAGE, "STATIC", "Printing page 1...", 12, 14, 196, 16, kLabel, kBoldFont},
      {IDC_PRINTING_CANCEL, "BUTTON", "Cancel", 74, 44, 73, 28, kPushButton, kBoldFont},
  };
}

// Centred on the owner, where the user looks, rather than on the screen.
int PrintProgress::OnInit() {
  RECT owner, box;
  GetWindowRect(owner_, &owner);
  GetWindowRect(Handle(), &box);
  const int width = box.right - box.left, height = box.bottom - box.top;
  SetWindowPos(Handle(), nullptr, (owner.left + owner.right - width) / 2, (owner.top + owner.bottom - height) / 2, 0,
               0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return IDC_PRINTING_CANCEL;
}

void PrintProgress::ShowPage(int page) { SetWindowTextA(Item(IDC_PRINTING_PAGE), PageText(page).c_str()); }

bool PrintProgress::KeepGoing() {
  MSG message;
  while (!cancelled_ && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      quitAsked_ = true;
      quitCode_ = message.wParam;
      cancelled_ = true;
    } else if (message.hwnd == owner_ && message.message == WM_CLOSE) {
      closeAsked_ = true;  // the window is closed once the job has ended
    } else if (!IsDialogMessageA(Handle(), &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  return !cancelled_;
}

BOOL CALLBACK PrintProgress::AbortProcedure(HDC, int) { return current && current->KeepGoing(); }

}  // namespace tonvero
