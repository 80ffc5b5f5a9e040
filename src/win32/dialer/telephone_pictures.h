#pragma once
// The dialer's icons beside its screen: a desk telephone at rest, and the
// same telephone sounding while a number is dialed. 33 x 33 at 96 DPI, drawn
// `scale` times larger on the button face colour; the caller owns each.
#include <windows.h>

#include "win32/ui/scale.h"

namespace tonvero {

HBITMAP CreateIdlePicture(Scale scale);     // Image2: shown while idle
HBITMAP CreateDialingPicture(Scale scale);  // Image3: shown while dialing

}  // namespace tonvero
