#include "win32/app/help_page.h"

#include "core/app/help_text.h"
#include "win32/ui/accessible.h"
#include "win32/ui/forms.h"

namespace tonvero {
namespace {

constexpr UINT_PTR kButton = 1, kPage = 2;

// A key held down repeats: only its first press counts.
bool IsFirstPress(UINT message, LPARAM lParam) {
  return (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) && !(lParam & (1 << 30));
}

bool IsDialogKey(LPARAM lParam, WPARAM key) {
  const auto* asked = reinterpret_cast<const MSG*>(lParam);
  return asked && asked->message == WM_KEYDOWN && asked->wParam == key;
}

}  // namespace

void HelpPage::Attach(HWND picture, HWND button) {
  picture_ = picture;
  Subclass(button, kButton);
  Subclass(picture, kPage);
}

void HelpPage::SetPicture(HBITMAP picture) {
  SendMessageA(picture_, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));
}

void HelpPage::Show() {
  shown_ = true;
  list_.ShowGrid(false);
  ShowWindow(picture_, SW_SHOW);
}

void HelpPage::ShowUntilNextInput() {
  if (!shown_) Show();
  SetFocus(picture_);
  SetCapture(picture_);  // a click anywhere in the window comes to the page
}

void HelpPage::Hide(bool focusList) {
  if (!shown_) return;
  shown_ = false;
  if (GetCapture() == picture_) ReleaseCapture();
  ShowWindow(picture_, SW_HIDE);
  list_.ShowGrid(true);
  if (focusList) list_.Focus();
}

LRESULT HelpPage::HandleSubclassMessage(HWND control, UINT_PTR id, UINT message, WPARAM wParam, LPARAM lParam) {
  if (id == kButton) return HandleButtonMessage(control, message, wParam, lParam);
  const LRESULT handled = HandlePageMessage(message, wParam, lParam);
  return handled >= 0 ? handled : DefSubclassProc(control, message, wParam, lParam);
}

// The mouse shows the page while the button is held; Space and Enter show
// it as F1 does. Enter would otherwise become the window's IDOK.
LRESULT HelpPage::HandleButtonMessage(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_GETDLGCODE && IsDialogKey(lParam, VK_RETURN)) {
    return DefSubclassProc(button, message, wParam, lParam) | DLGC_WANTMESSAGE;
  }
  if (IsFirstPress(message, lParam) && (wParam == VK_SPACE || wParam == VK_RETURN)) {
    ShowUntilNextInput();
    return 0;
  }
  if (IsMouseButtonDown(message)) Show();
  const LRESULT result = DefSubclassProc(button, message, wParam, lParam);
  if (IsMouseButtonUp(message)) Hide(true);
  return result;
}

// -1 for what the picture control handles as ever.
LRESULT HelpPage::HandlePageMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_GETDLGCODE) return DLGC_WANTALLKEYS;
  // F1 asks for the page that is shown already.
  if (IsFirstPress(message, lParam) && wParam != VK_F1) Hide(true);
  if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) return 0;
  if (IsMouseButtonDown(message)) {
    Hide(true);
    return 0;
  }
  if (message == WM_KILLFOCUS) Hide(false);
  if (message == WM_GETOBJECT && AsksForClient(lParam)) {
    const HelpText& help = TheHelpText();
    auto* object = new ControlAccessible(picture_, {help.title, 0, HelpReading(help)});
    const LRESULT answer = AnswerGetObject(object, wParam);
    object->Release();
    if (answer) return answer;
  }
  return -1;
}

}  // namespace tonvero
