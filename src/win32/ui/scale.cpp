#include "win32/ui/scale.h"

namespace tonvero {
namespace {

// A function of user32 that older Windows lacks, looked up by name: the
// program starts there too and takes the older way. user32 is loaded by
// the time a window or the screen is asked about.
template <typename Function>
Function User32Function(const char* name) {
  HMODULE user32 = GetModuleHandleA("user32.dll");
  if (!user32) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(user32, name)));
}

int DeviceDpi(HWND window) {
  HDC dc = GetDC(window);
  const int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSX) : kLayoutDpi;
  if (dc) ReleaseDC(window, dc);
  return dpi;
}

}  // namespace

Scale Scale::Of(HWND window) {
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
  const UINT dpi = getDpiForWindow && window ? getDpiForWindow(window) : 0;
  return Scale(dpi > 0 ? static_cast<int>(dpi) : DeviceDpi(window));
}

Scale Scale::OfSystem() { return Scale(DeviceDpi(nullptr)); }

RECT Scale::operator()(const RECT& place) const {
  const Scale& s = *this;
  const int left = s(place.left), top = s(place.top);
  return {left, top, left + s(place.right - place.left), top + s(place.bottom - place.top)};
}

void AddFrame(RECT& client, DWORD style, DWORD exStyle, Scale scale) {
  using AdjustForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto adjustForDpi = User32Function<AdjustForDpiFunction>("AdjustWindowRectExForDpi");
  if (!adjustForDpi || !adjustForDpi(&client, style, FALSE, exStyle, static_cast<UINT>(scale.Dpi()))) {
    AdjustWindowRectEx(&client, style, FALSE, exStyle);
  }
}

}  // namespace tonvero
