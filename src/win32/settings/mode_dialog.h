#pragma once
// The "Dialing Mode" dialog: queue, shooter or modem mode, the shooter-mode
// tone and silence lengths, the modem's port and its dialing method.
#include <windows.h>

#include "core/settings/settings.h"

namespace tonvero {

// Shows the dialog filled from `settings`. On OK copies the choices back
// and returns true; Cancel changes nothing.
bool ChooseDialingMode(HWND owner, Settings& settings);

}  // namespace tonvero
