// The program entry: the main window (start-up runs in its creation), then
// the message loop until it closes.
#include <windows.h>

#include <cstdlib>

#include "win32/app/main_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  tonvero::MainWindow mainWindow;
  const char* firstArgument = __argc > 1 ? __argv[1] : nullptr;
  HWND window = mainWindow.Create(instance, firstArgument);
  if (!window) return 1;
  ShowWindow(window, show);
  UpdateWindow(window);

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (IsDialogMessageA(window, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}
