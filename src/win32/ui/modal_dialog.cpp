#include "win32/ui/modal_dialog.h"

#include <cstring>
#include <string>

#include "win32/ui/panel.h"

namespace tonvero {
namespace {

void AppendWide(std::vector<WORD>& words, const char* text) {
  for (const char* p = text; *p; ++p) words.push_back(static_cast<unsigned char>(*p));
  words.push_back(0);
}

// An in-memory dialog template with no controls; they come from the form table.
std::vector<WORD> EmptyTemplate(const char* caption, bool closeBox, bool minimizeBox) {
  DLGTEMPLATE head{};
  head.style = WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT |
               (closeBox || minimizeBox ? WS_SYSMENU : 0) | (minimizeBox ? WS_MINIMIZEBOX : 0);
  head.cx = 100;
  head.cy = 50;
  std::vector<WORD> words(sizeof head / sizeof(WORD));
  std::memcpy(words.data(), &head, sizeof head);
  words.push_back(0);  // no menu
  words.push_back(0);  // the standard dialog class
  AppendWide(words, caption);
  words.push_back(8);  // point size of the dialog font
  AppendWide(words, "MS Sans Serif");
  return words;
}

}  // namespace

ModalDialog::ModalDialog(const char* caption, int clientWidth, int clientHeight, bool closeBox,
                         bool minimizeBox)
    : caption_(caption),
      width_(clientWidth),
      height_(clientHeight),
      closeBox_(closeBox),
      minimizeBox_(minimizeBox) {}

ModalDialog::ModalDialog(const char* caption, OuterSize outer, bool closeBox)
    : caption_(caption), width_(outer.width), height_(outer.height), closeBox_(closeBox),
      outerSize_(true) {}

int ModalDialog::Show(HWND owner) {
  Form form;
  form_ = &form;
  std::vector<WORD> dialogTemplate = EmptyTemplate(caption_.c_str(), closeBox_, minimizeBox_);
  INT_PTR result = DialogBoxIndirectParamA(
      GetModuleHandleA(nullptr), reinterpret_cast<LPCDLGTEMPLATEA>(dialogTemplate.data()), owner,
      DialogProcedure, reinterpret_cast<LPARAM>(this));
  form_ = nullptr;
  hwnd_ = nullptr;
  return result <= 0 ? IDCANCEL : static_cast<int>(result);  // -1: the dialog could not be made
}

void ModalDialog::ShowModeless(HWND owner) {
  modelessForm_ = std::make_unique<Form>();
  form_ = modelessForm_.get();
  std::vector<WORD> dialogTemplate = EmptyTemplate(caption_.c_str(), closeBox_, minimizeBox_);
  CreateDialogIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<LPCDLGTEMPLATEA>(dialogTemplate.data()),
                             owner, DialogProcedure, reinterpret_cast<LPARAM>(this));
  if (hwnd_) ShowWindow(hwnd_, SW_SHOW);
}

void ModalDialog::Dismiss() {
  if (hwnd_) DestroyWindow(hwnd_);
  hwnd_ = nullptr;
  form_ = nullptr;
  modelessForm_.reset();
}

LRESULT ModalDialog::HandleSubclassMessage(HWND control, UINT_PTR, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  return DefSubclassProc(control, message, wParam, lParam);
}

INT_PTR ModalDialog::HandleDialogMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      const Scale scale = Scale::Of(hwnd_);
      form_->Create(hwnd_, Controls(), scale);
      int width = width_, height = height_;
      if (outerSize_) {  // less the frame and caption this dialog's styles give it at 96 DPI
        RECT frame{0, 0, 0, 0};
        AddFrame(frame, GetWindowLongA(hwnd_, GWL_STYLE), GetWindowLongA(hwnd_, GWL_EXSTYLE), Scale{});
        width -= frame.right - frame.left;
        height -= frame.bottom - frame.top;
      }
      SizeAndCentre(hwnd_, width, height, scale);
      // Moving the focus the dialog's way also makes the focused button the
      // one that Enter presses.
      SendMessageA(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(OnInit())), TRUE);
      return FALSE;  // the focus is set
    }
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      if (id == IDOK && HIWORD(wParam) == BN_CLICKED) {
        OnOk();
        EndDialog(hwnd_, IDOK);
      } else if (id == IDCANCEL) {
        OnCancel();
      } else {
        OnCommand(id, HIWORD(wParam));
      }
      return TRUE;
    }
    case WM_CLOSE:
      OnCancel();
      return TRUE;
    case WM_CTLCOLORSTATIC:
      return reinterpret_cast<INT_PTR>(ColourLabel(*form_, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
  }
  INT_PTR result = FALSE;
  return OnMessage(message, wParam, lParam, result) ? result : FALSE;
}

}  // namespace tonvero
