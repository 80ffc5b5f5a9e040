#pragma once
// The about box: the logo, the program's name and version, and where to ask.
#include <windows.h>

namespace tonvero {

void ShowAboutBox(HWND owner);

}  // namespace tonvero
