#pragma once
// Where the keyboard focus goes in a window of panels: Enter presses the
// focused button as in a dialog, and the focus a window had is given back
// when it is active again.
#include <windows.h>

#include <functional>

namespace tonvero {

// Enter, which the dialog keys turn into IDOK, presses the focused button
// of `window`: a number that a link brought dials on Enter.
void PressFocusedButton(HWND window);

class KeptFocus {
 public:
  // `home` puts the focus where it goes when no control keeps it.
  explicit KeptFocus(std::function<void()> home) : home_(std::move(home)) {}

  // WM_ACTIVATE of `window`: the focused control is kept across
  // deactivation, unless it is hidden meanwhile (the help page).
  void OnActivate(HWND window, bool active);
  // On the next activation the focus goes where `place` puts it.
  void SendNextTo(std::function<void()> place) { next_ = std::move(place); }

 private:
  std::function<void()> home_, next_;
  HWND kept_ = nullptr;
};

}  // namespace tonvero
