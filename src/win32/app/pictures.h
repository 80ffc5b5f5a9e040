#pragma once
// The program's pictures, drawn with GDI for the DPI they are shown at:
// the maker's logo, the idle and dialing icons, the credit banner, the Exit
// glyph, the help page and the window icon. Sizes are at 96 DPI, each
// drawn `scale` times larger; each call makes a new object that the caller
// owns.
#include <windows.h>

#include "win32/ui/scale.h"

namespace tonvero {

HBITMAP CreateLogoPicture(Scale scale);     // 113 x 113, Image1 and the about box
HBITMAP CreateIdlePicture(Scale scale);     // 33 x 33, Image2: shown while idle
HBITMAP CreateDialingPicture(Scale scale);  // 33 x 33, Image3: shown while dialing
HBITMAP CreateBannerPicture(Scale scale);   // 217 x 17, Image4, on the button face colour
HBITMAP CreateExitGlyph(Scale scale);       // 24 x 24, on the button face colour
HBITMAP CreateHelpPicture(Scale scale);     // 385 x 301, Image5: a page of help text
HICON CreateWindowIcon(int size);           // `size` pixels square, as drawn

// All of the main window's pictures at one scale, deleted with it.
struct Artwork {
  explicit Artwork(Scale scale);
  ~Artwork();
  Artwork(const Artwork&) = delete;
  Artwork& operator=(const Artwork&) = delete;
  Scale scale;
  HBITMAP logo, idle, dialing, banner, exitGlyph, help;
  HICON bigIcon, smallIcon;
};

}  // namespace tonvero
