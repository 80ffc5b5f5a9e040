#pragma once
// The command help of the procedure bar: a pane of its own, over the lower
// part of the phone list, shown while a dialing procedure is edited.
#include <windows.h>

#include "win32/ui/base_window.h"
#include "win32/ui/forms.h"
#include "win32/ui/panel.h"

namespace tonvero {

class CommandHelp : public Panel<CommandHelp> {
 public:
  CommandHelp();
  ~CommandHelp();
  CommandHelp(const CommandHelp&) = delete;
  CommandHelp& operator=(const CommandHelp&) = delete;

  // Creates the pane, hidden, at `place` (at 96 DPI) in `parent`, at
  // `scale`; Layout places it again at another.
  void Create(HWND parent, const RECT& place, Scale scale);
  void Layout(const RECT& place, Scale scale);
  bool Shown() const { return IsWindowVisible(hwnd_); }
  void Show(bool shown) { ShowWindow(hwnd_, shown ? SW_SHOW : SW_HIDE); }
  // Its top edge on the screen.
  int ScreenTop() const;

 private:
  friend class BaseWindow<CommandHelp>;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  static std::vector<ControlSpec> Controls(const RECT& place);

  HBRUSH brush_;
};

}  // namespace tonvero
