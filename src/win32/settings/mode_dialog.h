#pragma once
// The "Dialing Mode" dialog: queue, shooter or modem mode, the shooter-mode
// tone and silence lengths, the modem's port and its dialing method.
#include "core/settings/settings.h"
#include "win32/app/modal_dialog.h"

namespace tonvero {

class TDialingMode : public ModalDialog {
 public:
  TDialingMode();
  // Shows the dialog filled from `settings`. On OK copies the choices back
  // and returns true; Cancel changes nothing.
  bool Edit(HWND owner, Settings& settings);

 private:
  std::vector<ControlSpec> Controls() const override;
  int OnInit() override;
  void OnOk() override;
  void OnCommand(int id, int code) override;
  void AddSpinButtons(int editId);
  void UpdateModeTabStop();
  int SpinValue(int editId) const;

  Settings values_;
};

}  // namespace tonvero
