#pragma once
// The "DP Insert" dialog: asks for the name of a new dialing procedure.
#include <windows.h>

#include <string>

namespace tonvero {

// Shows the dialog with `name` in its field (empty for a new procedure, a
// proposed name when merging). On Enter returns true with the field's text
// in `name`, as typed (it may be empty); Cancel, Esc and the close box
// return false and leave `name` alone.
bool AskProcedureName(HWND owner, std::string& name);

}  // namespace tonvero
