#pragma once
// Radio buttons with consecutive ids in a dialog, as one group with one
// tab stop: on the checked button (the first while none is), so that Tab
// into the group lands on the choice and never changes it.
#include <windows.h>

namespace tonvero {

class RadioGroup {
 public:
  RadioGroup(int firstId, int count) : firstId_(firstId), lastId_(firstId + count - 1) {}
  // Checks `id` and gives it the tab stop.
  void Choose(HWND dialog, int id) const;
  // The checked button's id, or 0 when none is checked.
  int Checked(HWND dialog) const;
  // Gives the tab stop to the checked button; after a click, say.
  void FollowCheck(HWND dialog) const;

 private:
  int firstId_, lastId_;
};

}  // namespace tonvero
