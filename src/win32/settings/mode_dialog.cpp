#include "win32/settings/mode_dialog.h"

#include <commctrl.h>

#include "core/settings/comm_ports.h"
#include "core/settings/spin_value.h"
#include "win32/app/control_ids.h"

namespace tonvero {
namespace {

constexpr FontSpec kBold{"MS Sans Serif", 11, true};
// The mode buttons are one group: one tab stop, the checked button (see
// UpdateModeTabStop), and the arrow keys move between them and check.
constexpr DWORD kRadio = WS_VISIBLE | BS_AUTORADIOBUTTON;
constexpr DWORD kLabelPanel = WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE;
constexpr DWORD kRule = WS_VISIBLE | WS_DISABLED | SS_ETCHEDHORZ;
constexpr DWORD kDropDown = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
constexpr DWORD kSpinEdit = WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_NUMBER | ES_AUTOHSCROLL;
constexpr DWORD kButton = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;

const char* const kGenerators[] = {"Touch Tone", "Pulse"};

void FillList(HWND list, const char* const* items, int count, int selected) {
  SendMessageA(list, CB_RESETCONTENT, 0, 0);
  for (int i = 0; i < count; ++i) {
    SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(items[i]));
  }
  SendMessageA(list, CB_SETCURSEL, selected, 0);
}

int SelectedRow(HWND list, int fallback) {
  const LRESULT row = SendMessageA(list, CB_GETCURSEL, 0, 0);
  return row == CB_ERR ? fallback : static_cast<int>(row);
}

}  // namespace

TDialingMode::TDialingMode() : ModalDialog("Dialing Mode", 297, 280, false) {}

bool TDialingMode::Edit(HWND owner, Settings& settings) {
  values_ = settings;
  if (Show(owner) != IDOK) return false;
  settings = values_;
  return true;
}

std::vector<ControlSpec> TDialingMode::Controls() const {
  constexpr int kRows = 9;
  return {
      {IDC_MODE_QUEUE, "BUTTON", "Queue Mode", 88, 8, 121, 17, kRadio | WS_GROUP, kBold},
      {IDC_MODE_SHOOTER, "BUTTON", "Shooter Mode", 88, 40, 121, 17, kRadio, kBold},
      {IDC_MODE_MODEM, "BUTTON", "Modem Mode", 88, 136, 121, 17, kRadio, kBold},
      {1310, "STATIC", "", 8, 32, 281, 3, kRule | WS_GROUP},
      {1311, "STATIC", "Tone (ms)", 48, 64, 73, 25, kLabelPanel, {}, CLR_INVALID, nullptr,
       WS_EX_STATICEDGE},
      {1312, "STATIC", "Silence (ms)", 176, 64, 73, 25, kLabelPanel, {}, CLR_INVALID, nullptr,
       WS_EX_STATICEDGE},
      {1313, "STATIC", "", 8, 128, 281, 3, kRule},
      {1314, "STATIC", "Com Port", 40, 160, 89, 25, kLabelPanel, {}, CLR_INVALID, nullptr,
       WS_EX_STATICEDGE},
      {1315, "STATIC", "Tone/Pulse", 168, 160, 89, 25, kLabelPanel, {}, CLR_INVALID, nullptr,
       WS_EX_STATICEDGE},
      {IDC_TONE_LENGTH, "EDIT", "", 48, 96, 73, 22, kSpinEdit | WS_GROUP},
      {IDC_SILENCE_LENGTH, "EDIT", "", 176, 96, 73, 22, kSpinEdit},
      {IDC_COMM, "COMBOBOX", "", 40, 192, 89, 24 + kRows * 16, kDropDown | WS_GROUP},
      {IDC_GENERATOR, "COMBOBOX", "", 168, 192, 89, 24 + 2 * 16, kDropDown},
      {IDC_MODE_OK, "BUTTON", "OK", 48, 240, 73, 28, kButton | WS_GROUP, kBold},
      {IDC_MODE_CANCEL, "BUTTON", "Cancel", 176, 240, 73, 28, kButton, kBold},
  };
}

void TDialingMode::AddSpinButtons(int editId) {
  HWND spin = CreateWindowExA(0, UPDOWN_CLASSA, nullptr,
                              WS_CHILD | WS_VISIBLE | UDS_ALIGNRIGHT | UDS_ARROWKEYS |
                                  UDS_SETBUDDYINT | UDS_NOTHOUSANDS,
                              0, 0, 0, 0, Handle(), nullptr, nullptr, nullptr);
  SendMessageA(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(Item(editId)), 0);
  SendMessageA(spin, UDM_SETRANGE32, kMinShooterMs, kMaxShooterMs);
}

int TDialingMode::OnInit() {
  switch (CheckedModeButton(values_)) {
    case ModeButton::kQueue: CheckRadioButton(Handle(), IDC_MODE_QUEUE, IDC_MODE_MODEM, IDC_MODE_QUEUE); break;
    case ModeButton::kShooter: CheckRadioButton(Handle(), IDC_MODE_QUEUE, IDC_MODE_MODEM, IDC_MODE_SHOOTER); break;
    case ModeButton::kModem: CheckRadioButton(Handle(), IDC_MODE_QUEUE, IDC_MODE_MODEM, IDC_MODE_MODEM); break;
    case ModeButton::kNone: break;
  }
  UpdateModeTabStop();
  AddSpinButtons(IDC_TONE_LENGTH);
  AddSpinButtons(IDC_SILENCE_LENGTH);
  SetDlgItemInt(Handle(), IDC_TONE_LENGTH, ClampSpinValue(values_.toneMs), FALSE);
  SetDlgItemInt(Handle(), IDC_SILENCE_LENGTH, ClampSpinValue(values_.silenceMs), FALSE);
  FillList(Item(IDC_COMM), kCommPortNames.data(), static_cast<int>(kCommPortNames.size()),
           values_.commIndex);
  FillList(Item(IDC_GENERATOR), kGenerators, 2, values_.generatorIndex);
  return IDC_MODE_CANCEL;
}

// Tab stops at the checked mode button only (at "Queue Mode" when none is
// checked): a button reached by Tab would be checked by reaching it.
void TDialingMode::UpdateModeTabStop() {
  const bool noneChecked = IsDlgButtonChecked(Handle(), IDC_MODE_QUEUE) != BST_CHECKED &&
                           IsDlgButtonChecked(Handle(), IDC_MODE_SHOOTER) != BST_CHECKED &&
                           IsDlgButtonChecked(Handle(), IDC_MODE_MODEM) != BST_CHECKED;
  for (int id = IDC_MODE_QUEUE; id <= IDC_MODE_MODEM; ++id) {
    const bool stop = IsDlgButtonChecked(Handle(), id) == BST_CHECKED || (noneChecked && id == IDC_MODE_QUEUE);
    const LONG_PTR style = GetWindowLongPtrA(Item(id), GWL_STYLE);
    SetWindowLongPtrA(Item(id), GWL_STYLE, stop ? style | WS_TABSTOP : style & ~static_cast<LONG_PTR>(WS_TABSTOP));
  }
}

int TDialingMode::SpinValue(int editId) const {
  return ReadSpinValue(WindowText(Item(editId)));
}

void TDialingMode::OnCommand(int id, int code) {
  if (code == BN_CLICKED && id >= IDC_MODE_QUEUE && id <= IDC_MODE_MODEM) {
    UpdateModeTabStop();
  } else if (code == EN_KILLFOCUS && (id == IDC_TONE_LENGTH || id == IDC_SILENCE_LENGTH)) {
    SetDlgItemInt(Handle(), id, SpinValue(id), FALSE);
  }
}

void TDialingMode::OnOk() {
  values_.queueOn = IsDlgButtonChecked(Handle(), IDC_MODE_QUEUE) == BST_CHECKED;
  values_.shooterOn = IsDlgButtonChecked(Handle(), IDC_MODE_SHOOTER) == BST_CHECKED;
  values_.modemOn = IsDlgButtonChecked(Handle(), IDC_MODE_MODEM) == BST_CHECKED;
  values_.toneMs = SpinValue(IDC_TONE_LENGTH);
  values_.silenceMs = SpinValue(IDC_SILENCE_LENGTH);
  values_.commIndex = SelectedRow(Item(IDC_COMM), values_.commIndex);
  values_.generatorIndex = SelectedRow(Item(IDC_GENERATOR), values_.generatorIndex);
}

}  // namespace tonvero
