#include "win32/app/main_window.h"

#include "win32/app/about_box.h"
#include "win32/app/link_handoff.h"
#include "win32/app/main_layout.h"
#include "win32/merge/merge_command.h"
#include "win32/ui/control_ids.h"
#include "win32/ui/message_boxes.h"
#include "win32/ui/panel.h"

namespace tonvero {

using namespace main_layout;

HWND MainWindow::Create(HINSTANCE instance, const StartPlan& plan) {
  plan_ = plan;
  RegisterWindowClass(instance, TONVERO_CLASS_MAIN, WindowProcedure, pictures_.Art().bigIcon,
                      pictures_.Art().smallIcon);
  return CreateWindowExA(0, TONVERO_CLASS_MAIN, "Tonvero",
                         WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                         CW_USEDEFAULT, CW_USEDEFAULT, kClientWidth, kClientHeight, nullptr, nullptr, instance, this);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: return OnCreate() ? 0 : -1;
    case WM_DESTROY: OnDestroy(); return 0;
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_DPICHANGED: OnDpiChanged(Scale(LOWORD(wParam)), *reinterpret_cast<const RECT*>(lParam)); return 0;
    case WM_ACTIVATE: focus_.OnActivate(hwnd_, LOWORD(wParam) != WA_INACTIVE); return 0;
    case WM_COPYDATA: return TakeHandedNumber(*reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case WM_HELP: help_.ShowUntilNextInput(); return TRUE;  // F1, from whichever control has the focus
    case WM_SYSCOMMAND: if (entryPoints_.Open(static_cast<UINT>(wParam & 0xFFF0))) return 0; break;
  }
  LRESULT result = 0;
  if (HandleFormMessage(form_, message, wParam, lParam, result)) return result;
  return DefWindowProcA(hwnd_, message, wParam, lParam);
}

// Start-up goes on whatever fails to load; each failure is reported. A
// settings file that cannot be read is never written over; a list that
// cannot be read is shown empty and nothing is saved over its file.
bool MainWindow::OnCreate() {
  const Scale scale = Scale::Of(hwnd_);
  CreateControls(scale);
  SizeAndCentre(hwnd_, kClientWidth, kClientHeight, scale);
  settings_.Start(plan_.folder, plan_.dbBase);
  if (!dialer_.LoadTones(plan_.folder + "one.wav", startFailure_)) return false;
  Guarded(hwnd_, false, [this] { return settings_.Load(), true; });
  if (const std::string problem = location_.Load(plan_.folder); !problem.empty()) ShowWarning(hwnd_, problem);
  LoadDialingProcedures();
  Guarded(hwnd_, false, [this] { return phoneList_.Load(settings_.Values().dbBase); });
  phoneList_.SortAndSelectFirst();
  if (plan_.link && dialer_.ShowLinkNumber(*plan_.link)) focus_.SendNextTo([this] { dialer_.FocusDial(); });
  calls_.Start(hwnd_, plan_.folder, location_);
  started_ = true;
  return true;
}

void MainWindow::CreateControls(Scale scale) {
  // Created in the order that is the tab order.
  form_.Create(hwnd_, LogoControl(), scale);
  dialer_.Create(hwnd_, kDialerPlace, scale);
  form_.Create(hwnd_, ExitAndBanner(), scale);
  procedureBar_.Create(hwnd_, kProcedureBarPlace, kCommandHelpPlace, scale);
  form_.Create(hwnd_, HelpAndRules(), scale);
  phoneList_.Create(hwnd_, kPhoneListPlace, scale);
  ShowPictures(scale);
  form_.SetAccessibleName(IDC_BANNER, "Tonvero touch-tone dialer by Velmora");  // what the banner reads
  procedureBar_.SetListBelow(phoneList_);
  help_.Attach(form_.Item(IDC_HELP_PICTURE), form_.Item(IDC_HELP_BUTTON));
  // The windows of the window menu, each with its key: one line each.
  entryPoints_.Add(hwnd_, {
      {IDM_DIALING_LOCATION, "&Dialing Location...\tCtrl+L", 'L', [this] { location_.Choose(hwnd_); }},
      {IDM_RECENT_CALLS, "Recen&t Calls...\tCtrl+H", 'H', [this] { OfferNumber(calls_.ShowWindow(hwnd_)); }},
  });
}

void MainWindow::OnDpiChanged(Scale scale, const RECT& suggested) {
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  form_.Layout(OwnControls(), scale);
  dialer_.Layout(kDialerPlace, scale);
  procedureBar_.Layout(kProcedureBarPlace, kCommandHelpPlace, scale);
  phoneList_.Layout(kPhoneListPlace, scale);
  ShowPictures(scale);
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void MainWindow::ShowPictures(Scale scale) {
  pictures_.ShowAt(scale, hwnd_, form_.Item(IDC_LOGO), form_.Item(IDC_BANNER));
  form_.SetGlyph(IDC_EXIT, pictures_.Art().exitGlyph);
  help_.DrawAt(scale);
}

void MainWindow::LoadDialingProcedures() {
  Guarded(hwnd_, false, [this] { return procedureBar_.Load(settings_.Values().dbBase), true; });
}

// A start-up that could not go on leaves the settings file as it was, and
// the program entry tells why.
void MainWindow::OnDestroy() {
  if (started_) Guarded(hwnd_, false, [this] { return settings_.Save(), true; });
  dialer_.StopSound();
  if (started_) PostQuitMessage(0);
}

void MainWindow::OnCommand(int id, int code) {
  switch (id) {
    case IDOK: PressFocusedButton(hwnd_); break;
    case IDC_EXIT:
      if (AskYesNo(hwnd_, "Is That What You Realy-Realy Want ?")) DestroyWindow(hwnd_);
      break;
    case IDC_LOGO:
      if (code == STN_DBLCLK) ShowAboutBox(hwnd_);
      InvalidateRect(form_.Item(IDC_LOGO), nullptr, TRUE);
      break;
    default: entryPoints_.Open(id); break;
  }
}

// A second start handed over a number, or opened this list: the window comes
// to the front (restored when minimised), with a number shown and "Dial" focused.
BOOL MainWindow::TakeHandedNumber(const COPYDATASTRUCT& data) {
  const std::optional<std::string> number = HandedNumber(data);
  const bool sameList = started_ && IsStartFor(data, settings_.Values().dbBase);  // a second start of this list
  if (!number && !sameList) return FALSE;
  if (IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
  SetForegroundWindow(hwnd_);
  OfferNumber(number);
  return TRUE;
}

// The number stands in the dialer screen with "Dial" focused, so that Enter dials it.
void MainWindow::OfferNumber(const std::optional<std::string>& number) {
  if (!number) return;
  dialer_.ShowNumber(*number);
  dialer_.FocusDial();
  focus_.SendNextTo([this] { dialer_.FocusDial(); });
}

void MainWindow::MergeAnotherDatabase(MergeKind kind) {
  const Settings& now = settings_.Values();
  settings_.SetOtherDatabase(RunMerge(hwnd_, kind, now.dbBase, now.otherDbBase, {procedureBar_, phoneList_}));
}

void MainWindow::DatabaseOpened(const std::string& dbBase) {
  settings_.SetDatabase(dbBase);
  LoadDialingProcedures();
}

}  // namespace tonvero
