#pragma once
// The main window: a switchboard. It places the panels (the dialer on the
// left, the dialing procedures along the top, the phone list on the right),
// wires them together, keeps the settings, runs the start-up in order, and
// has Exit, About and Help of its own.
#include <windows.h>

#include <string>

#include "core/app/start_plan.h"
#include "win32/app/help_page.h"
#include "win32/app/pictures.h"
#include "win32/calls/recent_calls.h"
#include "win32/dialer/dialer_panel.h"
#include "win32/location/location_file.h"
#include "win32/phonelist/phone_list_panel.h"
#include "win32/procedures/procedure_bar.h"
#include "win32/settings/settings_file.h"
#include "win32/ui/base_window.h"
#include "win32/ui/entry_points.h"
#include "win32/ui/focus.h"
#include "win32/ui/forms.h"

namespace tonvero {

class MainWindow : public BaseWindow<MainWindow>, private DialerPanel::Owner, private PhoneListPanel::Owner {
 public:
  // Registers the class and creates the window; start-up runs inside, as `plan`
  // says. No window when start-up cannot go on; StartFailure() then says why.
  HWND Create(HINSTANCE instance, const StartPlan& plan);
  const std::string& StartFailure() const { return startFailure_; }
  // The keys of the entry points, for the message loop.
  HACCEL Accelerators() const { return entryPoints_.Keys(); }

 private:
  friend class BaseWindow<MainWindow>;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  bool OnCreate();
  BOOL TakeHandedNumber(const COPYDATASTRUCT& data);
  void OfferNumber(const std::optional<std::string>& number);
  void OnDestroy();
  void OnCommand(int id, int code);
  void CreateControls(Scale scale);
  // Moved to a monitor of another DPI: laid out again in the place Windows suggests.
  void OnDpiChanged(Scale scale, const RECT& suggested);
  // The pictures drawn at `scale`, shown in their controls.
  void ShowPictures(Scale scale);
  void LoadDialingProcedures();

  // DialerPanel::Owner
  std::string ProcedureText() const override { return procedureBar_.CurrentCommand(); }
  void DialingModeChosen(const Settings& chosen) override { settings_.TakeDialingModes(chosen); }
  const DialingLocation& Location() const override { return location_.Location(); }
  std::string ProcedureName() const override { return procedureBar_.CurrentName(); }
  std::string RecordNameOf(const std::string& number) const override { return phoneList_.NameOfSelected(number); }
  // PhoneListPanel::Owner
  const std::string& DatabaseBase() const override { return settings_.Values().dbBase; }
  void DatabaseOpened(const std::string& dbBase) override;
  void MergeAnotherDatabase(MergeKind kind) override;

  StartPlan plan_;
  std::string startFailure_;
  bool started_ = false;
  KeptSettings settings_{{&dialer_, &phoneList_}};
  LocationFile location_;
  EntryPoints entryPoints_;
  Form form_;
  WindowPictures pictures_;
  RecentCalls calls_;
  DialerPanel dialer_{settings_.Values(), *this, calls_};
  ProcedureBar procedureBar_;
  PhoneListPanel phoneList_{*this, dialer_, procedureBar_};
  HelpPage help_{phoneList_};
  KeptFocus focus_{[this] { phoneList_.Focus(); }};
};

}  // namespace tonvero
