#pragma once
// The main window's own pictures, drawn with GDI for the DPI they are shown
// at: the maker's logo, the credit banner, the Exit glyph and the window
// icon. Sizes are at 96 DPI, each drawn `scale` times larger; each call
// makes a new object that the caller owns.
#include <windows.h>

#include <memory>

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

// The main window's pictures at its scale, drawn again when the scale
// changes, never stretched.
class WindowPictures {
 public:
  // At first for the system's scale: the window class takes the icons
  // before the window has a scale of its own.
  WindowPictures() : art_(std::make_unique<Artwork>(Scale::OfSystem())) {}
  const Artwork& Art() const { return *art_; }
  // Shows them at `scale` in `logo`, `banner` and as `window`'s icons.
  void ShowAt(Scale scale, HWND window, HWND logo, HWND banner);

 private:
  std::unique_ptr<Artwork> art_;
};

}  // namespace tonvero
