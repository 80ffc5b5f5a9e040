#include "win32/ui/focus.h"

namespace tonvero {

void PressFocusedButton(HWND window) {
  HWND focus = GetFocus();
  char windowClass[16] = {};
  GetClassNameA(focus, windowClass, sizeof windowClass);
  if (IsChild(window, focus) && lstrcmpiA(windowClass, "Button") == 0) SendMessageA(focus, BM_CLICK, 0, 0);
}

void KeptFocus::OnActivate(HWND window, bool active) {
  if (!active) {
    kept_ = GetFocus();
    next_ = nullptr;
  } else if (next_) {
    next_();
  } else if (IsChild(window, kept_) && IsWindowVisible(kept_)) {
    SetFocus(kept_);
  } else {
    home_();
  }
}

}  // namespace tonvero
