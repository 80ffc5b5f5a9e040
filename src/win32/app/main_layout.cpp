#include "win32/app/main_layout.h"

#include "win32/ui/control_ids.h"
#include "win32/ui/look.h"

namespace tonvero::main_layout {

using namespace look;

constexpr DWORD kPicture = WS_VISIBLE | SS_BITMAP;

std::vector<ControlSpec> LogoControl() {
  return {{IDC_LOGO, "STATIC", "", 110, 226, 113, 113, kPicture | SS_NOTIFY, {}, CLR_INVALID,
           " Velmora Logo "}};
}

std::vector<ControlSpec> ExitAndBanner() {
  return {
      {IDC_EXIT, "BUTTON", "Exit", 8, 312, 97, 33, kColouredButton, {"MS Sans Serif", 19, true}, kGreen},
      {IDC_BANNER, "STATIC", "", 8, 352, 217, 17, kPicture},
  };
}

std::vector<ControlSpec> HelpAndRules() {
  return {
      {IDC_HELP_BUTTON, "BUTTON", "Help", 576, 3, 41, 22, kColouredButton},
      {IDC_RULE_H, "STATIC", "", 2, 28, 621, 3, WS_VISIBLE | SS_ETCHEDHORZ},
      {IDC_RULE_V, "STATIC", "", 223, 32, 3, 338, WS_VISIBLE | SS_ETCHEDVERT},
      {IDC_HELP_PICTURE, "STATIC", "", 232, 64, 385, 305, SS_BITMAP | SS_CENTERIMAGE},
  };
}

std::vector<ControlSpec> OwnControls() {
  std::vector<ControlSpec> all = LogoControl();
  for (const auto& table : {ExitAndBanner(), HelpAndRules()}) all.insert(all.end(), table.begin(), table.end());
  return all;
}

}  // namespace tonvero::main_layout
