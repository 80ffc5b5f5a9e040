#pragma once
// Where the main window's parts go: the panels' places in its client area
// and the tables of its own controls, in pixels at 96 DPI.
#include <windows.h>

#include <vector>

#include "win32/ui/forms.h"

namespace tonvero::main_layout {

constexpr int kClientWidth = 625, kClientHeight = 372;

constexpr RECT kDialerPlace{0, 32, 223, 312};
constexpr RECT kProcedureBarPlace{0, 0, 572, 28};
constexpr RECT kCommandHelpPlace{232, 216, 617, 366};
constexpr RECT kPhoneListPlace{232, 38, 617, 365};

// The window's own controls, table by table in the tab order between the
// panels. The logo, the command help and the help picture lie over panels'
// places, so they come before those panels: a panel is clipped by the
// windows above it.
std::vector<ControlSpec> LogoControl();     // before the dialer
std::vector<ControlSpec> ExitAndBanner();   // before the procedure bar
std::vector<ControlSpec> HelpAndRules();    // before the phone list
// Every table of the window's own controls, to lay them out again.
std::vector<ControlSpec> OwnControls();

}  // namespace tonvero::main_layout
