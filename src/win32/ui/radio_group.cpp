#include "win32/ui/radio_group.h"

namespace tonvero {

void RadioGroup::Choose(HWND dialog, int id) const {
  CheckRadioButton(dialog, firstId_, lastId_, id);
  FollowCheck(dialog);
}

int RadioGroup::Checked(HWND dialog) const {
  for (int id = firstId_; id <= lastId_; ++id) {
    if (IsDlgButtonChecked(dialog, id) == BST_CHECKED) return id;
  }
  return 0;
}

void RadioGroup::FollowCheck(HWND dialog) const {
  const int stop = Checked(dialog) ? Checked(dialog) : firstId_;
  for (int id = firstId_; id <= lastId_; ++id) {
    HWND button = GetDlgItem(dialog, id);
    const LONG_PTR style = GetWindowLongPtrA(button, GWL_STYLE);
    SetWindowLongPtrA(button, GWL_STYLE,
                      id == stop ? style | WS_TABSTOP : style & ~static_cast<LONG_PTR>(WS_TABSTOP));
  }
}

}  // namespace tonvero
