#pragma once
// The main window: a switchboard. It places the panels (the dialer on the
// left, the dialing procedures along the top, the phone list on the right),
// wires them together, runs the start-up in order, and has Exit, About and
// Help of its own.
#include <windows.h>

#include <memory>
#include <string>

#include "core/contacts/outside_number.h"
#include "core/settings/settings.h"
#include "win32/app/help_page.h"
#include "win32/app/pictures.h"
#include "win32/dialer/dialer_panel.h"
#include "win32/merge/merge_command.h"
#include "win32/phonelist/phone_list_panel.h"
#include "win32/printing/print_phone_list.h"
#include "win32/procedures/procedure_bar.h"
#include "win32/settings/settings_file.h"
#include "win32/ui/base_window.h"
#include "win32/ui/forms.h"

namespace tonvero {

class MainWindow : public BaseWindow<MainWindow>,
                   private DialerPanel::Owner,
                   private PhoneListPanel::Owner,
                   private ProcedureBar::ListBelow {
 public:
  // Registers the class and creates the window; start-up runs inside. No
  // window when start-up cannot go on; StartFailure() then says why.
  HWND Create(HINSTANCE instance, const char* firstArgument);
  const std::string& StartFailure() const { return startFailure_; }

 private:
  friend class BaseWindow<MainWindow>;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  bool OnCreate();
  void TakeLinkNumber(const CleanedNumber& link);
  BOOL TakeHandedNumber(const COPYDATASTRUCT& data);
  void OnDestroy();
  void OnCommand(int id, int code);
  void PressFocusedButton();
  void OnActivate(bool active);
  void CreateControls(Scale scale);
  // Moved to a monitor of another DPI: the window takes the rectangle
  // Windows suggests and lays itself out again at `scale`.
  void OnDpiChanged(Scale scale, const RECT& suggested);
  void LayOut(Scale scale);
  // The pictures drawn at `scale`, shown in their controls.
  void ShowPictures(Scale scale);
  void LoadSettings();
  void LoadDialingProcedures();
  void LoadPhoneList();
  Settings CurrentSettings() const;

  void ConfirmExit();
  void ShowAbout();

  // DialerPanel::Owner
  std::string ProcedureText() const override { return procedureBar_.CurrentCommand(); }
  // PhoneListPanel::Owner
  const std::string& DatabaseBase() const override { return settings_.dbBase; }
  void DatabaseOpened(const std::string& dbBase) override;
  void ShowNumber(const std::string& number) override { dialer_.ShowNumber(number); }
  void DialNumber() override { dialer_.Dial(); }
  void StepProcedure(int delta) override;
  void ShowDatabaseName(const std::string& caption) override { SetWindowTextA(hwnd_, caption.c_str()); }
  void PrintList() override;
  void MergeAnotherDatabase(MergeKind kind) override;
  // ProcedureBar::ListBelow
  void Focus() override { phoneList_.Focus(); }
  void GiveWay(int screenTop) override { phoneList_.GiveWay(screenTop); }
  void TakeBackRoom() override { phoneList_.TakeBackRoom(); }

  HWND Item(int id) const { return form_.Item(id); }

  std::string firstArgument_;
  std::string startFailure_;
  bool started_ = false;
  std::string startDir_;
  Settings settings_;  // modes, lengths, port and paths; speed and widths live in their controls
  std::unique_ptr<SettingsFile> settingsFile_;
  HWND focusBeforeDeactivation_ = nullptr;  // where the focus goes when the window is active again
  Form form_;
  std::unique_ptr<Artwork> pictures_;
  DialerPanel dialer_{settings_, *this};
  ProcedureBar procedureBar_;
  PhoneListPanel phoneList_{*this};
  HelpPage help_{phoneList_};
  PhoneListPrinter printer_;
};

}  // namespace tonvero
