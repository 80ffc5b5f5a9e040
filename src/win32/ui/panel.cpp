#include "win32/ui/panel.h"

namespace tonvero {

void RegisterWindowClass(HINSTANCE instance, const char* className, WNDPROC procedure, HICON bigIcon,
                         HICON smallIcon) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (GetClassInfoExA(instance, className, &windowClass)) return;
  windowClass = WNDCLASSEXA{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = bigIcon;
  windowClass.hIconSm = smallIcon;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = className;
  RegisterClassExA(&windowClass);
}

HWND CreatePanelWindow(HWND parent, const char* className, WNDPROC procedure, const RECT& layoutPlace, int id,
                       void* self, Scale scale) {
  const RECT place = scale(layoutPlace);
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
  RegisterWindowClass(instance, className, procedure);
  // Clipped by the siblings above it: a picture of the main window that
  // shows over a panel's place stays whole.
  return CreateWindowExA(WS_EX_CONTROLPARENT, className, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                         place.left, place.top, place.right - place.left, place.bottom - place.top, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, self);
}

void PlacePanel(HWND panel, const RECT& layoutPlace, Scale scale) {
  const RECT place = scale(layoutPlace);
  SetWindowPos(panel, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

bool HandleFormMessage(Form& form, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_DRAWITEM:
      form.DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      result = TRUE;
      return true;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      result = reinterpret_cast<LRESULT>(ColourLabel(form, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
      return true;
  }
  return false;
}

HBRUSH ColourLabel(const Form& form, HDC dc, HWND label) {
  SetTextColor(dc, form.TextColor(GetDlgCtrlID(label)));
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return GetSysColorBrush(COLOR_BTNFACE);
}

}  // namespace tonvero
