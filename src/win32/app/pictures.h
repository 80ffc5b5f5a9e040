#pragma once
// The program's pictures, drawn with GDI at start-up: the maker's logo, the
// idle and dialing icons, the credit banner, the Exit glyph, the help page
// and the window icon. Each call makes a new object that the caller owns.
#include <windows.h>

namespace tonvero {

HBITMAP CreateLogoPicture();        // 113 x 113, Image1 and the about box
HBITMAP CreateIdlePicture();        // 33 x 33, Image2: shown while idle
HBITMAP CreateDialingPicture();     // 33 x 33, Image3: shown while dialing
HBITMAP CreateBannerPicture();      // 217 x 17, Image4, on the button face colour
HBITMAP CreateExitGlyph();          // 24 x 24, on the button face colour
HBITMAP CreateHelpPicture();        // 385 x 301, Image5: a page of help text
HICON CreateWindowIcon(int size);   // 16 or 32 pixels square

// All of the main window's pictures, made once and deleted with it.
struct Artwork {
  Artwork();
  ~Artwork();
  Artwork(const Artwork&) = delete;
  Artwork& operator=(const Artwork&) = delete;
  HBITMAP logo, idle, dialing, banner, exitGlyph, help;
  HICON bigIcon, smallIcon;
};

}  // namespace tonvero
