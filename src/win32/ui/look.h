#pragma once
// The program's look, one value each: the colours of its windows, the fonts
// of its controls and the window styles its forms build controls with. The
// artwork (logo, icons) has its own palette beside its drawing.
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
