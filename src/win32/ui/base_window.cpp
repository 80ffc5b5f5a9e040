#include "win32/ui/base_window.h"

namespace tonvero {

void ShowError(HWND owner, const char* message) {
  MessageBoxA(owner, message, "Tonvero", MB_OK | MB_ICONERROR);
}

}  // namespace tonvero
