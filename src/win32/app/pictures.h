#pragma once
// The main window's own pictures, drawn with GDI for the DPI they are shown
// at: the maker's logo, the credit banner, the Exit glyph and the window
// icon. Sizes are at 96 DPI, each drawn `scale` times larger; each call
// makes a new object that the caller owns.
#include <windows.h>

#include "win32/ui/scale.h"

namespace tonvero {

HBITMAP CreateLogoPicture(Scale scale);     // 113 x 113, Image1 and the about box
HBITMAP CreateBannerPicture(Scale scale);   // 217 x 17, Image4, on the button face colour
HBITMAP CreateExitGlyph(Scale scale);       // 24 x 24, on the button face colour
HICON CreateWindowIcon(int size);           // `size` pixels square, as drawn

// All of the main window's pictures at one scale, deleted with it.
struct Artwork {
  explicit Artwork(Scale scale);
  ~Artwork();
  Artwork(const Artwork&) = delete;
  Artwork& operator=(const Artwork&) = delete;
  Scale scale;
  HBITMAP logo, banner, exitGlyph;
  HICON bigIcon, smallIcon;
};

}  // namespace tonvero
