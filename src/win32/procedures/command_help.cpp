#include "win32/procedures/command_help.h"

#include <string>

#include "win32/ui/control_ids.h"
#include "win32/ui/panel.h"

namespace tonvero {
namespace {

// The command list shown while a dialing procedure is edited.
std::string ProcedureHelpText() {
  const char* const rows[][2] = {
      {"@", "Dialing The Phone Number"}, {"P", "Pause"},
      {"SXX", "Jump On XX Symbols Ahead"}, {"-", "1/3 Second Delay"},
      {",", "1 Second Delay"},            {"(...)", "Comments"},
      {"0...9,A...D,#,*", "Phone Number Symbols"},
  };
  std::string text = "\r\nDialing Procedure  Commands\r\n \r\n";
  int number = 1;
  for (const auto& row : rows) {
    std::string command = row[0];
    command.resize(29, ' ');
    text += "    " + std::to_string(number++) + ".  " + command + "-  " + row[1] + "\r\n";
  }
  return text;
}

}  // namespace

CommandHelp::CommandHelp() : brush_(CreateSolidBrush(GetSysColor(COLOR_INFOBK))) {}

CommandHelp::~CommandHelp() { DeleteObject(brush_); }

// The memo fills the pane.
std::vector<ControlSpec> CommandHelp::Controls(const RECT& place) {
  return {{IDC_DP_MEMO, "EDIT", "", 0, 0, place.right - place.left, place.bottom - place.top,
           WS_VISIBLE | WS_BORDER | ES_MULTILINE | ES_READONLY, {"MS Sans Serif", 11, true}}};
}

void CommandHelp::Create(HWND parent, const RECT& place, Scale scale) {
  CreatePanel(parent, TONVERO_CLASS_COMMAND_HELP, IDC_PANEL_COMMAND_HELP, place, Controls(place), scale);
  Show(false);
  SetWindowTextA(Item(IDC_DP_MEMO), ProcedureHelpText().c_str());
}

void CommandHelp::Layout(const RECT& place, Scale scale) {
  PlacePanelAndForm(place, Controls(place), scale);
}

int CommandHelp::ScreenTop() const {
  RECT place;
  GetWindowRect(hwnd_, &place);
  return place.top;
}

LRESULT CommandHelp::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CTLCOLOREDIT || message == WM_CTLCOLORSTATIC) {
    SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_INFOBK));
    return reinterpret_cast<LRESULT>(brush_);
  }
  return HandleRest(message, wParam, lParam);
}

}  // namespace tonvero
