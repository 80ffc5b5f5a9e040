#pragma once
// The DPI a window is shown at, and the lengths of the forms, laid out in
// pixels at 96 DPI, scaled to it. Every room places, sizes and draws
// through one of these; none multiplies by hand.
#include <windows.h>

#include "core/common/scaling.h"

namespace tonvero {

class Scale {
 public:
  constexpr Scale() = default;  // 96 DPI: the forms as they are laid out
  explicit constexpr Scale(int dpi) : dpi_(dpi > 0 ? dpi : kLayoutDpi) {}

  // The DPI `window` is shown at: GetDpiForWindow where Windows has it
  // (10 version 1607 on), else the DPI of the window's device context,
  // which is the system's.
  static Scale Of(HWND window);
  // The system's DPI, for what is made before any window.
  static Scale OfSystem();

  int Dpi() const { return dpi_; }
  // A length at 96 DPI, at this DPI.
  int operator()(int length) const { return ScaleLength(length, dpi_); }
  RECT operator()(const RECT& place) const;
  // A length at this DPI, at 96 DPI.
  int ToLayout(int length) const { return ScaleLength(length, kLayoutDpi, dpi_); }
  bool operator==(const Scale&) const = default;

 private:
  int dpi_ = kLayoutDpi;
};

// Grows `client` to the outer rectangle of a window with these styles and
// no menu, with its frame and caption as Windows draws them at `scale`.
void AddFrame(RECT& client, DWORD style, DWORD exStyle, Scale scale);

}  // namespace tonvero
