#include "win32/app/main_window.h"

#include <commctrl.h>

#include "core/common/text.h"
#include "core/contacts/outside_number.h"
#include "win32/app/about_box.h"
#include "win32/app/link_handoff.h"
#include "win32/ui/control_ids.h"
#include "win32/ui/look.h"
#include "win32/ui/message_boxes.h"
#include "win32/ui/panel.h"

namespace tonvero {
namespace {

using namespace look;

constexpr int kClientWidth = 625, kClientHeight = 372;
constexpr DWORD kPicture = WS_VISIBLE | SS_BITMAP;

// The panels' places in the client area.
constexpr RECT kDialerPlace{0, 32, 223, 312};
constexpr RECT kProcedureBarPlace{0, 0, 572, 28};
constexpr RECT kCommandHelpPlace{232, 216, 617, 366};
constexpr RECT kPhoneListPlace{232, 38, 617, 365};

// The main window's own controls. The logo, the command help and the help
// picture lie over panels' places, so they come before those panels: a
// panel is clipped by the windows above it.
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

// Every table of the window's own controls, to lay them out again.
std::vector<ControlSpec> OwnControls() {
  std::vector<ControlSpec> all = LogoControl();
  for (const auto& table : {ExitAndBanner(), HelpAndRules()}) all.insert(all.end(), table.begin(), table.end());
  return all;
}

void SetPicture(HWND control, HBITMAP picture) {
  SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));
}

}  // namespace

HWND MainWindow::Create(HINSTANCE instance, const char* firstArgument) {
  if (firstArgument) firstArgument_ = firstArgument;
  // Drawn again at the window's own DPI once it has one, where that differs.
  pictures_ = std::make_unique<Artwork>(Scale::OfSystem());
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProcedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = pictures_->bigIcon;
  windowClass.hIconSm = pictures_->smallIcon;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = TONVERO_CLASS_MAIN;
  RegisterClassExA(&windowClass);
  return CreateWindowExA(0, TONVERO_CLASS_MAIN, "Tonvero",
                         WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                         CW_USEDEFAULT, CW_USEDEFAULT, kClientWidth, kClientHeight, nullptr,
                         nullptr, instance, this);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: return OnCreate() ? 0 : -1;
    case WM_DESTROY: OnDestroy(); return 0;
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      form_.DrawButton(item, item.CtlID == IDC_EXIT ? pictures_->exitGlyph : nullptr);
      return TRUE;
    }
    case WM_DPICHANGED:
      OnDpiChanged(Scale(LOWORD(wParam)), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_ACTIVATE: OnActivate(LOWORD(wParam) != WA_INACTIVE); return 0;
    case WM_COPYDATA: return TakeHandedNumber(*reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case WM_HELP: help_.ShowUntilNextInput(); return TRUE;  // F1, from whichever control has the focus
  }
  LRESULT result = 0;
  if (HandleFormMessage(form_, message, wParam, lParam, result)) return result;
  return DefWindowProcA(hwnd_, message, wParam, lParam);
}

// ---- start-up and shutdown -------------------------------------------------

bool MainWindow::OnCreate() {
  const Scale scale = Scale::Of(hwnd_);
  CreateControls(scale);
  SizeAndCentre(hwnd_, kClientWidth, kClientHeight, scale);
  char directory[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, directory);
  startDir_ = directory;
  if (startDir_.empty() || startDir_.back() != '\\') startDir_ += '\\';
  settingsFile_ = std::make_unique<SettingsFile>(startDir_);
  settings_ = Settings{};
  settings_.dbBase = settings_.otherDbBase = startDir_ + "Base";
  dialer_.ShowMode();
  // A tel: or callto: link brings a number to dial; any other argument
  // names the database.
  const std::optional<CleanedNumber> link = ReadTelephoneLink(firstArgument_);
  if (!link && !firstArgument_.empty()) settings_.dbBase = settings_.otherDbBase = StripExtension(firstArgument_);
  if (!dialer_.LoadTones(startDir_ + "one.wav", startFailure_)) return false;
  LoadSettings();
  LoadDialingProcedures();
  LoadPhoneList();
  phoneList_.EnablePrint(printer_.PrinterInstalled());
  if (link) TakeLinkNumber(*link);
  started_ = true;
  return true;
}

// The number stands in the dialer screen with "Dial" focused, so that Enter
// dials once the person holds the handset to the speaker; it never dials by
// itself. A link with no number is said, and start-up goes on.
void MainWindow::TakeLinkNumber(const CleanedNumber& link) {
  if (link.Refused()) {
    ShowNotice(hwnd_, link.refusal);
    return;
  }
  dialer_.ShowNumber(link.number);
  focusBeforeDeactivation_ = dialer_.DialButton();
}

void MainWindow::CreateControls(Scale scale) {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES |
                                                   ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&classes);
  // Created in the order that is the tab order.
  form_.Create(hwnd_, LogoControl(), scale);
  dialer_.Create(hwnd_, kDialerPlace, scale);
  form_.Create(hwnd_, ExitAndBanner(), scale);
  procedureBar_.Create(hwnd_, kProcedureBarPlace, kCommandHelpPlace, scale);
  form_.Create(hwnd_, HelpAndRules(), scale);
  phoneList_.Create(hwnd_, kPhoneListPlace, scale);
  ShowPictures(scale);
  form_.SetAccessibleName(IDC_BANNER, "Tonvero touch-tone dialer by Velmora");  // what the banner reads
  procedureBar_.SetListBelow(*this);
  help_.Attach(Item(IDC_HELP_PICTURE), Item(IDC_HELP_BUTTON));
}

void MainWindow::OnDpiChanged(Scale scale, const RECT& suggested) {
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  LayOut(scale);
}

void MainWindow::LayOut(Scale scale) {
  form_.Layout(OwnControls(), scale);
  dialer_.Layout(kDialerPlace, scale);
  procedureBar_.Layout(kProcedureBarPlace, kCommandHelpPlace, scale);
  phoneList_.Layout(kPhoneListPlace, scale);
  ShowPictures(scale);
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// The pictures are drawn for the scale, never stretched; the ones they
// replace go once no control shows them.
void MainWindow::ShowPictures(Scale scale) {
  std::unique_ptr<Artwork> old;
  if (pictures_->scale != scale) {
    old = std::move(pictures_);
    pictures_ = std::make_unique<Artwork>(scale);
  }
  SetPicture(Item(IDC_LOGO), pictures_->logo);
  SetPicture(Item(IDC_BANNER), pictures_->banner);
  help_.DrawAt(scale);
  SetClassLongPtrA(hwnd_, GCLP_HICON, reinterpret_cast<LONG_PTR>(pictures_->bigIcon));
  SetClassLongPtrA(hwnd_, GCLP_HICONSM, reinterpret_cast<LONG_PTR>(pictures_->smallIcon));
  SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(pictures_->bigIcon));
  SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(pictures_->smallIcon));
}

Settings MainWindow::CurrentSettings() const {
  Settings current = settings_;
  current.speedPosition = dialer_.Speed();
  current.columnWidths = phoneList_.Widths();
  return current;
}

// Start-up goes on whatever fails to load; each failure is reported. A
// settings file that cannot be read is never written over; a list that
// cannot be read is shown empty and nothing is saved over its file.
void MainWindow::LoadSettings() {
  const auto stored = Guarded<std::optional<Settings>>(
      hwnd_, std::nullopt, [this] { return settingsFile_->Load(CurrentSettings()); });
  if (!stored) return;
  settings_ = *stored;
  dialer_.SetSpeed(stored->speedPosition);
  phoneList_.SetWidths(stored->columnWidths);
  dialer_.ShowMode();
}

void MainWindow::LoadDialingProcedures() {
  Guarded(hwnd_, false, [this] { return procedureBar_.Load(settings_.dbBase), true; });
}

void MainWindow::LoadPhoneList() {
  Guarded(hwnd_, false, [this] { return phoneList_.Load(settings_.dbBase); });
  phoneList_.SortAndSelectFirst();
}

// A start-up that could not go on leaves the settings file as it was, and
// the program entry tells why.
void MainWindow::OnDestroy() {
  if (started_) Guarded(hwnd_, false, [this] { return settingsFile_->Save(CurrentSettings()), true; });
  dialer_.StopSound();
  if (started_) PostQuitMessage(0);
}

// ---- routing -------------------------------------------------------------------

void MainWindow::OnCommand(int id, int code) {
  switch (id) {
    case IDOK: PressFocusedButton(); break;
    case IDC_EXIT: ConfirmExit(); break;
    case IDC_LOGO:
      if (code == STN_DBLCLK) ShowAbout();
      else InvalidateRect(Item(IDC_LOGO), nullptr, TRUE);
      break;
  }
}

// A number a second start handed over: shown, the window brought to the
// front (restored when minimised) with "Dial" focused.
BOOL MainWindow::TakeHandedNumber(const COPYDATASTRUCT& data) {
  const std::optional<std::string> number = HandedNumber(data);
  if (!number) return FALSE;
  dialer_.ShowNumber(*number);
  if (IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
  SetForegroundWindow(hwnd_);
  focusBeforeDeactivation_ = dialer_.DialButton();
  SetFocus(dialer_.DialButton());
  return TRUE;
}

// Enter, which the dialog keys turn into IDOK, presses the focused button,
// as in a dialog: a number that a link brought dials on Enter.
void MainWindow::PressFocusedButton() {
  HWND focus = GetFocus();
  char windowClass[16] = {};
  GetClassNameA(focus, windowClass, sizeof windowClass);
  if (IsChild(hwnd_, focus) && lstrcmpiA(windowClass, "Button") == 0) SendMessageA(focus, BM_CLICK, 0, 0);
}

// The focused control is kept across deactivation, unless it is hidden
// meanwhile (the help page); the phone list at first.
void MainWindow::OnActivate(bool active) {
  if (!active) focusBeforeDeactivation_ = GetFocus();
  else if (IsChild(hwnd_, focusBeforeDeactivation_) && IsWindowVisible(focusBeforeDeactivation_)) SetFocus(focusBeforeDeactivation_);
  else phoneList_.Focus();
}

// ---- the window's own commands ---------------------------------------------------

void MainWindow::ConfirmExit() {
  if (AskYesNo(hwnd_, "Is That What You Realy-Realy Want ?")) DestroyWindow(hwnd_);
}

void MainWindow::ShowAbout() {
  ShowAboutBox(hwnd_);
  InvalidateRect(Item(IDC_LOGO), nullptr, TRUE);
}

void MainWindow::PrintList() {
  PrintJob job;
  job.caption = WindowText(hwnd_);
  job.records = phoneList_.Records();
  job.sortField = phoneList_.SortField();
  printer_.Print(hwnd_, std::move(job));
}

void MainWindow::MergeAnotherDatabase(MergeKind kind) {
  RunMerge(hwnd_, kind, settings_.dbBase, settings_.otherDbBase, {procedureBar_, phoneList_});
}

void MainWindow::DatabaseOpened(const std::string& dbBase) {
  settings_.dbBase = dbBase;
  LoadDialingProcedures();
}

void MainWindow::StepProcedure(int delta) {
  if (delta > 0) procedureBar_.StepNext();
  else procedureBar_.StepPrevious();
}

}  // namespace tonvero
