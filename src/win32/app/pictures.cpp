// The main window's own pictures: the maker's logo (shown in the about box
// too), the credit banner, the Exit glyph and the window icon.
#include "win32/app/pictures.h"

#include <cstring>

#include "win32/ui/drawing.h"
#include "win32/ui/look.h"

namespace tonvero {

using namespace look::art;

HBITMAP CreateLogoPicture(Scale scale) {
  Sketch s(113, 113, scale);
  DrawTile(s, 1, 1, 111);
  DrawCallMark(s, {47.5, 52}, 71, kWhite, kAqua);
  s.Box(30, 80, 83, 81, 0, kGold);
  s.Text(4, 82, 109, 104, "VELMORA", 15, FW_BOLD, kWhite, TitleFace(), 2);
  return s.Picture(GetSysColor(COLOR_BTNFACE));
}

HBITMAP CreateBannerPicture(Scale scale) {
  const int width = 217, height = 17;
  Canvas canvas(width, height, GetSysColor(COLOR_BTNFACE), scale);
  HDC dc = canvas.dc();

  // A handset mark, then three runs of text, centred together.
  struct Run {
    const char* text;
    int weight;
    COLORREF colour;
  };
  const Run runs[] = {{"Tonvero", FW_BOLD, kNavy},
                      {"  touch-tone dialer  ", FW_NORMAL, kBannerText},
                      {"by Velmora", FW_BOLD, kTeal}};
  int widths[3];
  auto measure = [&](int pixels) {
    int total = 0;
    for (int i = 0; i < 3; ++i) {
      Selected font(dc, MakeFont(pixels, runs[i].weight, UiFace()));
      SIZE size;
      GetTextExtentPoint32A(dc, runs[i].text, static_cast<int>(std::strlen(runs[i].text)),
                            &size);
      widths[i] = size.cx;
      total += size.cx;
    }
    return total;
  };
  const int markWidth = 16, markGap = 3;
  int pixels = 11;  // smaller only where a wider face stands in
  while (pixels > 9 && measure(pixels) + markWidth + markGap > width) --pixels;
  int x = (width - measure(pixels) - markWidth - markGap) / 2;

  Sketch mark(markWidth, 15, scale);
  DrawCallMark(mark, {6, 9}, 11, kTeal, kTeal);
  mark.PaintOn(canvas, x, 1);
  x += markWidth + markGap;

  for (int i = 0; i < 3; ++i) {
    Selected font(dc, MakeFont(pixels, runs[i].weight, UiFace()));
    SetTextColor(dc, runs[i].colour);
    RECT r{x, 0, x + widths[i], height};
    DrawTextA(dc, runs[i].text, -1, &r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_NOCLIP);
    x += widths[i];
  }
  return canvas.Release();
}

HBITMAP CreateExitGlyph(Scale scale) {
  Sketch s(24, 24, scale);
  // A doorway with daylight beyond, in its frame.
  s.Box(2, 1.5, 15, 23, 1, kDoorFrame);
  s.Fill({{4, 3.5}, {13, 3.5}, {13, 23}, {4, 23}}, kDaylight);
  // The door swung open towards us on its left hinges.
  s.Fill({{4, 3.5}, {9.5, 1.5}, {9.5, 24}, {4, 23}}, kDoor);
  s.Fill({{4, 3.5}, {5, 3.2}, {5, 23.2}, {4, 23}}, kDoorEdge);
  s.Disc({8, 12.5}, 0.9, kGold);
  // The way out.
  s.Stroke({{10.5, 14.5}, {17, 14.5}}, 3.4, kWayOut);
  s.Fill({{15.5, 8.5}, {22.5, 14.5}, {15.5, 20.5}}, kWayOut);
  return s.Picture(GetSysColor(COLOR_BTNFACE));
}

HICON CreateWindowIcon(int size) {
  Sketch s(size, size);
  DrawTile(s, 0, 0, size);
  const double k = size / 100.0;
  if (size >= 24) {
    DrawCallMark(s, {38 * k, 60 * k}, 80 * k, kWhite, kAqua);
  } else {  // too small for waves: the handset alone, face on
    DrawHandset(s, {50 * k, 50 * k}, 88 * k, 0, kWhite);
  }
  return s.Icon();
}

Artwork::Artwork(Scale scale)
    : scale(scale),
      logo(CreateLogoPicture(scale)),
      banner(CreateBannerPicture(scale)),
      exitGlyph(CreateExitGlyph(scale)),
      bigIcon(CreateWindowIcon(scale(32))),
      smallIcon(CreateWindowIcon(scale(16))) {}

Artwork::~Artwork() {
  for (HBITMAP bitmap : {logo, banner, exitGlyph}) DeleteObject(bitmap);
  DestroyIcon(bigIcon);
  DestroyIcon(smallIcon);
}

// The pictures replaced go once no control shows them.
void WindowPictures::ShowAt(Scale scale, HWND window, HWND logo, HWND banner) {
  std::unique_ptr<Artwork> old;
  if (art_->scale != scale) {
    old = std::move(art_);
    art_ = std::make_unique<Artwork>(scale);
  }
  SendMessageA(logo, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(art_->logo));
  SendMessageA(banner, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(art_->banner));
  SetClassLongPtrA(window, GCLP_HICON, reinterpret_cast<LONG_PTR>(art_->bigIcon));
  SetClassLongPtrA(window, GCLP_HICONSM, reinterpret_cast<LONG_PTR>(art_->smallIcon));
  SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(art_->bigIcon));
  SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(art_->smallIcon));
}

}  // namespace tonvero
