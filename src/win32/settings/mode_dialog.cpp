#include "win32/settings/mode_dialog.h"

#include <commctrl.h>

#include "core/settings/comm_ports.h"
#include "core/settings/spin_value.h"
#include "win32/ui/control_ids.h"
#include "win32/ui/look.h"
#include "win32/ui/modal_dialog.h"
#include "win32/ui/radio_group.h"

namespace tonvero {
namespace {

using namespace look;
constexpr DWORD kLabelPanel = WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE;
constexpr DWORD kRule = WS_VISIBLE | WS_DISABLED | SS_ETCHEDHORZ;
constexpr DWORD kDropDown = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
constexpr DWORD kSpinEdit = WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_NUMBER | ES_AUTOHSCROLL;
constexpr DWORD kSpinArrows = WS_VISIBLE | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_SETBUDDYINT | UDS_NOTHOUSANDS;

const char* const kGenerators[] = {"Touch Tone", "Pulse"};

// The labels over the fields and lists, which name them.
constexpr int kToneLabel = 1311, kSilenceLabel = 1312, kPortLabel = 1314, kGeneratorLabel = 1315;

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

class DialingModeDialog : public ModalDialog {
 public:
  explicit DialingModeDialog(const Settings& settings)
      : ModalDialog("Dialing Mode", 297, 280, false), values_(settings) {}
  const Settings& Values() const { return values_; }

 private:
  std::vector<ControlSpec> Controls() const override;
  int OnInit() override;
  void OnOk() override;
  void OnCommand(int id, int code) override;
  void TieSpinArrows(int spinId, int editId, const char* name);
  int SpinValue(int editId) const;

  Settings values_;
  // One group: one tab stop, on the checked button; the arrow keys move
  // between them and check.
  const RadioGroup modes_{IDC_MODE_QUEUE, 3};
};

}  // namespace

bool ChooseDialingMode(HWND owner, Settings& settings) {
  DialingModeDialog dialog(settings);
  if (dialog.Show(owner) != IDOK) return false;
  settings = dialog.Values();
  return true;
}

std::vector<ControlSpec> DialingModeDialog::Controls() const {
  constexpr int kRows = 9;
  return {
      {IDC_MODE_QUEUE, "BUTTON", "Queue Mode", 88, 8, 121, 17, kRadioButton | WS_GROUP, kBoldFont},
      {IDC_MODE_SHOOTER, "BUTTON", "Shooter Mode", 88, 40, 121, 17, kRadioButton, kBoldFont},
      {IDC_MODE_MODEM, "BUTTON", "Modem Mode", 88, 136, 121, 17, kRadioButton, kBoldFont},
      {1310, "STATIC", "", 8, 32, 281, 3, kRule | WS_GROUP},
      {kToneLabel, "STATIC", "Tone (ms)", 48, 64, 73, 25, kLabelPanel, {}, CLR_INVALID, nullptr,
       WS_EX_STATICEDGE},
      {kSilenceLabel, "STATIC", "Silence (ms)", 176, 64, 73, 25, kLabelPanel, {}, CLR_INVALID, nullptr,
       WS_EX_STATICEDGE},
      {1313, "STATIC", "", 8, 128, 281, 3, kRule},
      {kPortLabel, "STATIC", "Com Port", 40, 160, 89, 25, kLabelPanel, {}, CLR_INVALID, nullptr,
       WS_EX_STATICEDGE},
      {kGeneratorLabel, "STATIC", "Tone/Pulse", 168, 160, 89, 25, kLabelPanel, {}, CLR_INVALID, nullptr,
       WS_EX_STATICEDGE},
      {IDC_TONE_LENGTH, "EDIT", "", 48, 96, 73, 22, kSpinEdit | WS_GROUP},
      {IDC_SILENCE_LENGTH, "EDIT", "", 176, 96, 73, 22, kSpinEdit},
      {IDC_COMM, "COMBOBOX", "", 40, 192, 89, 24 + kRows * 16, kDropDown | WS_GROUP},
      {IDC_GENERATOR, "COMBOBOX", "", 168, 192, 89, 24 + 2 * 16, kDropDown},
      {IDC_MODE_OK, "BUTTON", "OK", 48, 240, 73, 28, kPushButton | WS_GROUP, kBoldFont},
      {IDC_MODE_CANCEL, "BUTTON", "Cancel", 176, 240, 73, 28, kPushButton, kBoldFont},
      // The fields' arrows, placed beside their fields once they are tied to them.
      {IDC_TONE_SPIN, UPDOWN_CLASSA, "", 0, 0, 0, 0, kSpinArrows},
      {IDC_SILENCE_SPIN, UPDOWN_CLASSA, "", 0, 0, 0, 0, kSpinArrows},
  };
}

void DialingModeDialog::TieSpinArrows(int spinId, int editId, const char* name) {
  HWND spin = Item(spinId);
  SendMessageA(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(Item(editId)), 0);
  SendMessageA(spin, UDM_SETRANGE32, kMinShooterMs, kMaxShooterMs);
  SetAccessibleName(spinId, name);
}

int DialingModeDialog::OnInit() {
  switch (CheckedModeButton(values_)) {
    case ModeButton::kQueue: modes_.Choose(Handle(), IDC_MODE_QUEUE); break;
    case ModeButton::kShooter: modes_.Choose(Handle(), IDC_MODE_SHOOTER); break;
    case ModeButton::kModem: modes_.Choose(Handle(), IDC_MODE_MODEM); break;
    case ModeButton::kNone: modes_.FollowCheck(Handle()); break;
  }
  TieSpinArrows(IDC_TONE_SPIN, IDC_TONE_LENGTH, "Tone (ms) Up Down");
  TieSpinArrows(IDC_SILENCE_SPIN, IDC_SILENCE_LENGTH, "Silence (ms) Up Down");
  NameByLabel(IDC_TONE_LENGTH, kToneLabel);
  NameByLabel(IDC_SILENCE_LENGTH, kSilenceLabel);
  NameByLabel(IDC_COMM, kPortLabel);
  NameByLabel(IDC_GENERATOR, kGeneratorLabel);
  SetDlgItemInt(Handle(), IDC_TONE_LENGTH, ClampSpinValue(values_.toneMs), FALSE);
  SetDlgItemInt(Handle(), IDC_SILENCE_LENGTH, ClampSpinValue(values_.silenceMs), FALSE);
  FillList(Item(IDC_COMM), kCommPortNames.data(), static_cast<int>(kCommPortNames.size()),
           values_.commIndex);
  FillList(Item(IDC_GENERATOR), kGenerators, 2, values_.generatorIndex);
  return IDC_MODE_CANCEL;
}

int DialingModeDialog::SpinValue(int editId) const {
  return ReadSpinValue(WindowText(Item(editId)));
}

void DialingModeDialog::OnCommand(int id, int code) {
  if (code == BN_CLICKED && id >= IDC_MODE_QUEUE && id <= IDC_MODE_MODEM) {
    modes_.FollowCheck(Handle());
  } else if (code == EN_KILLFOCUS && (id == IDC_TONE_LENGTH || id == IDC_SILENCE_LENGTH)) {
    SetDlgItemInt(Handle(), id, SpinValue(id), FALSE);
  }
}

void DialingModeDialog::OnOk() {
  const int mode = modes_.Checked(Handle());
  values_.queueOn = mode == IDC_MODE_QUEUE;
  values_.shooterOn = mode == IDC_MODE_SHOOTER;
  values_.modemOn = mode == IDC_MODE_MODEM;
  values_.toneMs = SpinValue(IDC_TONE_LENGTH);
  values_.silenceMs = SpinValue(IDC_SILENCE_LENGTH);
  values_.commIndex = SelectedRow(Item(IDC_COMM), values_.commIndex);
  values_.generatorIndex = SelectedRow(Item(IDC_GENERATOR), values_.generatorIndex);
}

}  // namespace tonvero
