#pragma once
// The "Dialing Location" dialog: the country or region the user dials from
// (with its calling code), an area code, whether calls within it dial it,
// and the international prefix where the country has no single one.
#include <windows.h>

#include "core/location/dialing_location.h"

namespace tonvero {

// Shows the dialog filled from `location`. On OK copies the choices back
// and returns true; Cancel changes nothing.
bool ChooseDialingLocation(HWND owner, DialingLocation& location);

}  // namespace tonvero
