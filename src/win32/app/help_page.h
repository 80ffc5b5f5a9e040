#pragma once
// The help page: a picture of the page's text shown in place of the phone
// list. Holding "Help" with the mouse shows it until the button is let go.
// F1 anywhere, or Space or Enter on "Help", shows it until the next key,
// click or Esc; the page has the focus meanwhile, so a screen reader reads
// its text, which is also its accessible name and description.
#include <windows.h>

#include "win32/phonelist/phone_list_panel.h"
#include "win32/ui/base_window.h"
#include "win32/ui/scale.h"

namespace tonvero {

// The page's picture: 385 x 301 at 96 DPI, drawn `scale` times larger from
// the help text; the caller owns it.
HBITMAP CreateHelpPicture(Scale scale);

class HelpPage : public BaseWindow<HelpPage> {
 public:
  explicit HelpPage(PhoneListPanel& list) : list_(list) {}
  ~HelpPage();
  HelpPage(const HelpPage&) = delete;
  HelpPage& operator=(const HelpPage&) = delete;

  // Takes over the picture control that shows the page, and "Help".
  void Attach(HWND page, HWND button);
  // Draws the page for `scale` and shows it in its control.
  void DrawAt(Scale scale);
  // Shows the page until the next key or click.
  void ShowUntilNextInput();

 private:
  friend class BaseWindow<HelpPage>;
  LRESULT HandleSubclassMessage(HWND control, UINT_PTR id, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleButtonMessage(HWND button, UINT message, WPARAM wParam, LPARAM lParam);
  // True, with the result, for the messages the page answers itself.
  bool HandlePageMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void Show();
  // Gives the focus back to the list unless it is leaving the window anyway.
  void Hide(bool focusList);

  PhoneListPanel& list_;
  HWND page_ = nullptr;
  HBITMAP picture_ = nullptr;
  bool shown_ = false;
};

}  // namespace tonvero
