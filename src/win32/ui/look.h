#pragma once
// The program's look, one value each: every colour it paints with (its
// windows, the phone list's grid, the printed page and the artwork), the
// fonts of its controls and the window styles its forms build controls with.
#include <windows.h>

#include "win32/ui/forms.h"

namespace tonvero::look {

constexpr COLORREF kAqua = RGB(0x00, 0xFF, 0xFF);
constexpr COLORREF kTeal = RGB(0x00, 0x80, 0x80);
constexpr COLORREF kFuchsia = RGB(0xFF, 0x00, 0xFF);
constexpr COLORREF kPurple = RGB(0x80, 0x00, 0x80);
constexpr COLORREF kBlue = RGB(0x00, 0x00, 0xFF);
constexpr COLORREF kNavy = RGB(0x00, 0x00, 0x80);
constexpr COLORREF kMaroon = RGB(0x80, 0x00, 0x00);
constexpr COLORREF kGreen = RGB(0x00, 0x80, 0x00);
constexpr COLORREF kGrey = RGB(0x80, 0x80, 0x80);
constexpr COLORREF kSilver = RGB(0xC0, 0xC0, 0xC0);
constexpr COLORREF kBlack = RGB(0x00, 0x00, 0x00);

// The phone list's grid: the lines between its cells and between its titles.
constexpr COLORREF kGridLines = kSilver;
constexpr COLORREF kGridTitleLines = kBlack;

// The artwork: logo, icons, the banner, the Exit glyph and the help page.
namespace art {
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kInk = RGB(32, 36, 44);
constexpr COLORREF kNavy = RGB(18, 46, 92);
constexpr COLORREF kDeepTeal = RGB(0, 104, 112);
constexpr COLORREF kTeal = RGB(0, 128, 128);
constexpr COLORREF kAqua = RGB(96, 232, 236);
constexpr COLORREF kGold = RGB(242, 192, 72);
constexpr COLORREF kHot = RGB(232, 96, 16);  // the dialing highlight
constexpr COLORREF kHotWave = RGB(214, 40, 24);
constexpr COLORREF kGlow = RGB(255, 236, 140);
constexpr COLORREF kTileTop = RGB(36, 82, 142);     // the emblem's tile, shaded from top
constexpr COLORREF kTileBottom = RGB(0, 134, 138);  // to bottom
constexpr COLORREF kHotShade = RGB(176, 64, 8);     // the sounding telephone
constexpr COLORREF kHotKeys = RGB(200, 56, 16);
constexpr COLORREF kHotHandset = RGB(120, 28, 16);
constexpr COLORREF kPlate = RGB(214, 236, 236);     // the idle telephone's key plate
constexpr COLORREF kRule = RGB(176, 208, 208);      // the help page's heading rules
constexpr COLORREF kPause = RGB(190, 60, 20);       // the help page's example procedure
constexpr COLORREF kCode = RGB(120, 40, 130);
constexpr COLORREF kNumber = RGB(0, 120, 60);
constexpr COLORREF kCard = RGB(238, 246, 250);
constexpr COLORREF kCardEdge = RGB(170, 200, 214);
constexpr COLORREF kCaption = RGB(80, 88, 100);
constexpr COLORREF kBannerText = RGB(64, 72, 84);
constexpr COLORREF kPage = RGB(252, 252, 248);
constexpr COLORREF kDoorFrame = RGB(84, 88, 100);  // the Exit glyph
constexpr COLORREF kDaylight = RGB(255, 238, 160);
constexpr COLORREF kDoor = RGB(168, 104, 48);
constexpr COLORREF kDoorEdge = RGB(116, 68, 28);
constexpr COLORREF kWayOut = RGB(0, 146, 40);
constexpr COLORREF kKey = RGB(255, 0, 254);  // the see-through key, never drawn with
}  // namespace art

// Bold captions of the main window's buttons and of small dialogs' texts.
constexpr FontSpec kBoldFont{"MS Sans Serif", 11, true};
// Bold captions of the dialogs' OK, Cancel and similar buttons.
constexpr FontSpec kDialogButtonFont{"MS Sans Serif", 13, true};

// The main window's buttons draw themselves, with coloured captions.
constexpr DWORD kColouredButton = WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW;
constexpr DWORD kPushButton = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kDefaultButton = WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON;
constexpr DWORD kRadioButton = WS_VISIBLE | BS_AUTORADIOBUTTON;
constexpr DWORD kLabel = WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOPREFIX;
// A centred text on a panel, as the message boxes and dialogs show them.
constexpr DWORD kCentredPanel = WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX;

}  // namespace tonvero::look
