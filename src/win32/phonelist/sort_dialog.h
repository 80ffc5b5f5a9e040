#pragma once
// The "Sorting" dialog: one radio button per column, captioned with the
// column titles; the focus starts on "Cancel".
#include <windows.h>

#include "core/phonelist/phone_list.h"

namespace tonvero {

// Shows the dialog with `sortField` (1..4) chosen. On OK stores the chosen
// column in `sortField` and returns true; Cancel or Esc change nothing.
bool ChooseSortField(HWND owner, const Titles& titles, int& sortField);

}  // namespace tonvero
