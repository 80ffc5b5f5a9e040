#include "win32/dialer/telephone_pictures.h"

#include "win32/ui/drawing.h"
#include "win32/ui/look.h"

namespace tonvero {
namespace {

using namespace look::art;

// A desk telephone, front view, in the 33 x 33 picture; while sounding its
// handset lifts and tilts, it takes the highlight colours and waves spread.
HBITMAP TelephonePicture(bool sounding, Scale scale) {
  Sketch s(33, 33, scale);
  const COLORREF body = sounding ? kHot : kTeal;
  const COLORREF shade = sounding ? kHotShade : kDeepTeal;
  const COLORREF plate = sounding ? kGlow : kPlate;
  const COLORREF keys = sounding ? kHotKeys : kDeepTeal;
  const COLORREF handset = sounding ? kHotHandset : kInk;

  if (sounding) {
    DrawWaves(s, {16.5, 16}, {13, 16.5}, -18, 42, 1.6, kHotWave);
    DrawWaves(s, {16.5, 16}, {13, 16.5}, 138, 198, 1.6, kHotWave);
  }
  // Body, base and cradle hooks.
  s.Fill({{9.5, 13}, {23.5, 13}, {27, 27}, {6, 27}}, body);
  s.Box(4.5, 26, 28.5, 30, 1.5, shade);
  s.Box(8, 11, 11, 14, 1, shade);
  s.Box(22, 11, 25, 14, 1, shade);
  // Keypad: three rows of three keys.
  s.Box(10, 16, 23, 26, 1, plate);
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 3; ++col) {
      s.Box(11 + 4 * col, 17 + 3 * row, 14 + 4 * col, 19 + 3 * row, 0.5, keys);
    }
  }
  if (sounding) {
    DrawHandset(s, {16.5, 6}, 24, 10, handset);
  } else {
    DrawHandset(s, {16.5, 8.5}, 24, 0, handset);
  }
  return s.Picture(GetSysColor(COLOR_BTNFACE));
}

}  // namespace

HBITMAP CreateIdlePicture(Scale scale) { return TelephonePicture(false, scale); }

HBITMAP CreateDialingPicture(Scale scale) { return TelephonePicture(true, scale); }

}  // namespace tonvero
