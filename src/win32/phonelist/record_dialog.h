#pragma once
// The record dialog: the four fields of one phone-list record under the
// column titles. Enter in a field moves on to the next one, and from the
// last field to "OK"; the focus starts on "Cancel".
#include <windows.h>

#include "core/phonelist/phone_list.h"

namespace tonvero {

// Shows the dialog with `caption` ("Edit Record", "Insert Record"), the
// trimmed `titles` as labels and `record` in the fields. On OK stores the
// typed fields, normalised, in `record` and returns true; Cancel or Esc
// change nothing.
bool EditRecord(HWND owner, const char* caption, const Titles& titles, Record& record);

}  // namespace tonvero
