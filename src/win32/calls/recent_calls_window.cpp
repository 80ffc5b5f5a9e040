// The "Recent Calls" window: the log newest first, found by typing, an
// entry's number handed back to the dialer screen by Enter or a double
// click, entries deleted, the log cleared or no longer kept. It opens
// where it was left, at the size it was left.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <set>

#include "win32/calls/recent_calls.h"
#include "win32/ui/control_ids.h"
#include "win32/ui/list_view_accessible.h"
#include "win32/ui/look.h"
#include "win32/ui/message_boxes.h"
#include "win32/ui/modal_dialog.h"

namespace tonvero {
namespace {

using namespace look;

constexpr int kWidth = 520, kHeight = 320;  // at first, at 96 DPI
constexpr int kMinWidth = 420, kMinHeight = 200;

struct Column {
  const char* title;
  int width;  // at 96 DPI
};
constexpr Column kColumns[] = {{"Time", 104}, {"Name", 130}, {"Number", 120}, {"Outcome", 140}};

const std::string& FieldShown(const CallEntry& call, int column) {
  switch (column) {
    case 1: return call.name;
    case 2: return call.number;
    case 3: return call.outcome;
  }
  return call.time;
}

class CallsWindow : public ModalDialog {
 public:
  explicit CallsWindow(RecentCalls& calls)
      : ModalDialog("Recent Calls", kWidth, kHeight, true), calls_(calls) {}
  const std::optional<std::string>& Chosen() const { return chosen_; }

 private:
  // The controls for a client area of width x height at 96 DPI.
  static std::vector<ControlSpec> ControlsFor(int width, int height) {
    const int buttons = height - 33;
    return {
        {IDC_CALLS_FIND_LABEL, "STATIC", "&Find:", 8, 11, 34, 13, kLabel & ~SS_NOPREFIX},
        {IDC_CALLS_FILTER, "EDIT", "", 44, 8, width - 52, 20, WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL,
         {}, CLR_INVALID, " Type A Number Or A Name To Find "},
        {IDC_CALLS_LIST, WC_LISTVIEWA, "", 8, 34, width - 16, height - 110,
         WS_VISIBLE | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS, {}, CLR_INVALID,
         " Enter Puts The Number On The Dialer Screen "},
        {IDC_CALLS_STATUS, "STATIC", "", 8, height - 72, width - 16, 30, WS_VISIBLE | SS_LEFT | SS_NOPREFIX},
        {IDC_CALLS_KEEP, "BUTTON", "Keep a log of calls", 8, buttons + 2, 140, 21,
         WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX},
        {IDC_CALLS_USE, "BUTTON", "Use Number", width - 340, buttons, 80, 25, kDefaultButton},
        {IDC_CALLS_DELETE, "BUTTON", "Delete", width - 256, buttons, 80, 25, kPushButton},
        {IDC_CALLS_CLEAR, "BUTTON", "Clear", width - 172, buttons, 80, 25, kPushButton},
        {IDC_CALLS_CLOSE, "BUTTON", "Close", width - 88, buttons, 80, 25, kPushButton},
    };
  }
  std::vector<ControlSpec> Controls() const override { return ControlsFor(kWidth, kHeight); }

  int OnInit() override;
  void OnOk() override;
  void OnCommand(int id, int code) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
  LRESULT HandleSubclassMessage(HWND control, UINT_PTR id, UINT message, WPARAM wParam, LPARAM lParam) override;

  void MakeResizable();
  void PlaceAsLeft();
  void KeepPlace() const;
  void PlaceControls(int clientWidth, int clientHeight);
  void MakeColumns();
  void Fill(RecentCalls::Shown shown);
  void ApplyFilter();
  void ShowStatus();
  LRESULT OnNotify(const NMHDR& header);
  void GiveText(NMLVDISPINFOA& info);
  bool OnListKey(WORD key);
  std::vector<size_t> SelectedCalls() const;
  int CurrentItem() const;
  void DeleteSelected();
  void ClearLog();
  void ChangeKeeping();
  void CopyNumber();
  void Rewrite(std::vector<CallEntry> calls);
  LRESULT AnswerScreenReader(WPARAM wParam);

  HWND List() const { return Item(IDC_CALLS_LIST); }

  RecentCalls& calls_;
  std::vector<CallEntry> entries_;  // newest first
  std::vector<size_t> shown_;       // the entries the filter lets through, in order
  size_t skipped_ = 0;
  std::string failure_;
  std::string cellText_;            // the text last given to the list view
  std::optional<std::string> chosen_;
  ListViewAccessible* accessible_ = nullptr;
};

int CallsWindow::OnInit() {
  MakeResizable();
  MakeColumns();
  SendMessageA(List(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  Subclass(List(), IDC_CALLS_LIST);
  Subclass(Item(IDC_CALLS_FILTER), IDC_CALLS_FILTER);
  SendMessageA(Item(IDC_CALLS_KEEP), BM_SETCHECK, calls_.KeepsLog() ? BST_CHECKED : BST_UNCHECKED, 0);
  Fill(calls_.Load());
  PlaceAsLeft();
  return entries_.empty() ? IDC_CALLS_FILTER : IDC_CALLS_LIST;
}

void CallsWindow::MakeResizable() {
  const LONG_PTR style = GetWindowLongPtrA(hwnd_, GWL_STYLE);
  SetWindowLongPtrA(hwnd_, GWL_STYLE, style | WS_THICKFRAME | WS_MAXIMIZEBOX);
  SizeAndCentre(hwnd_, kWidth, kHeight, Scaling());
}

// Where it was left, if that is still on a screen, at the size it had;
// else centred. The size kept is the client area's at 96 DPI: the frame
// around it is the system's at each scale.
void CallsWindow::PlaceAsLeft() {
  const std::optional<CallsWindowPlace> place = calls_.WindowPlace();
  if (!place) return;
  const Scale& scale = Scaling();
  RECT wanted{0, 0, scale(std::max(place->width, kMinWidth)), scale(std::max(place->height, kMinHeight))};
  AddFrame(wanted, GetWindowLongA(hwnd_, GWL_STYLE), GetWindowLongA(hwnd_, GWL_EXSTYLE), scale);
  OffsetRect(&wanted, place->left - wanted.left, place->top - wanted.top);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoA(MonitorFromRect(&wanted, MONITOR_DEFAULTTONULL), &monitor)) return;
  SetWindowPos(hwnd_, nullptr, wanted.left, wanted.top, wanted.right - wanted.left, wanted.bottom - wanted.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void CallsWindow::KeepPlace() const {
  if (IsIconic(hwnd_) || IsZoomed(hwnd_)) return;
  RECT window, client;
  GetWindowRect(hwnd_, &window);
  GetClientRect(hwnd_, &client);
  const Scale& scale = Scaling();
  calls_.KeepWindowPlace({window.left, window.top, scale.ToLayout(client.right), scale.ToLayout(client.bottom)});
}

void CallsWindow::PlaceControls(int clientWidth, int clientHeight) {
  const Scale& scale = Scaling();
  for (const ControlSpec& c : ControlsFor(scale.ToLayout(clientWidth), scale.ToLayout(clientHeight))) {
    MoveWindow(Item(c.id), scale(c.left), scale(c.top), scale(c.width), scale(c.height), FALSE);
  }
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void CallsWindow::MakeColumns() {
  for (int i = 0; i < static_cast<int>(std::size(kColumns)); ++i) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = const_cast<char*>(kColumns[i].title);
    column.cx = Scaling()(kColumns[i].width);
    column.iSubItem = i;
    SendMessageA(List(), LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
  }
}

void CallsWindow::Fill(RecentCalls::Shown shown) {
  entries_ = std::move(shown.calls);
  skipped_ = shown.skipped;
  failure_ = std::move(shown.failure);
  ApplyFilter();
}

// The entries the typed text finds, the first of them selected, so that
// Enter takes it.
void CallsWindow::ApplyFilter() {
  const std::string filter = WindowText(Item(IDC_CALLS_FILTER));
  shown_.clear();
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (MatchesCallFilter(entries_[i], filter)) shown_.push_back(i);
  }
  HWND list = List();
  SendMessageA(list, LVM_SETITEMCOUNT, shown_.size(), LVSICF_NOSCROLL);
  LVITEMA none{};
  none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
  if (!shown_.empty()) {
    LVITEMA first{};
    first.stateMask = first.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&first));
    SendMessageA(list, LVM_ENSUREVISIBLE, 0, FALSE);
  }
  InvalidateRect(list, nullptr, TRUE);
  ShowStatus();
}

void CallsWindow::ShowStatus() {
  std::string status = std::to_string(shown_.size()) + " of " + std::to_string(entries_.size()) + " calls";
  if (skipped_ > 0) status += ", " + std::to_string(skipped_) + " damaged lines skipped";
  status += '.';
  if (!calls_.KeepsLog()) status += " No log is kept.";
  if (!failure_.empty()) status += ' ' + failure_;
  SetWindowTextA(Item(IDC_CALLS_STATUS), status.c_str());
}

// ---- messages ------------------------------------------------------------------------

bool CallsWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  switch (message) {
    case WM_NOTIFY:
      result = OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
      SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, result);
      return true;
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED) PlaceControls(LOWORD(lParam), HIWORD(lParam));
      return true;
    case WM_GETMINMAXINFO: {
      RECT least{0, 0, Scaling()(kMinWidth), Scaling()(kMinHeight)};
      AdjustWindowRectEx(&least, GetWindowLongA(hwnd_, GWL_STYLE), FALSE, GetWindowLongA(hwnd_, GWL_EXSTYLE));
      auto& limits = *reinterpret_cast<MINMAXINFO*>(lParam);
      limits.ptMinTrackSize = {least.right - least.left, least.bottom - least.top};
      return true;
    }
    case WM_DESTROY:
      KeepPlace();
      if (accessible_) {
        accessible_->Disconnect();
        CoDisconnectObject(accessible_, 0);
        accessible_->Release();
        accessible_ = nullptr;
      }
      return false;
  }
  return false;
}

void CallsWindow::OnCommand(int id, int code) {
  switch (id) {
    case IDC_CALLS_FILTER:
      if (code == EN_CHANGE) ApplyFilter();
      break;
    case IDC_CALLS_DELETE: DeleteSelected(); break;
    case IDC_CALLS_CLEAR: ClearLog(); break;
    case IDC_CALLS_KEEP: ChangeKeeping(); break;
  }
}

// Enter, a double click or "Use Number": the entry at hand.
void CallsWindow::OnOk() {
  const int item = CurrentItem();
  if (item >= 0) chosen_ = entries_[shown_[item]].number;
}

LRESULT CallsWindow::OnNotify(const NMHDR& header) {
  if (header.idFrom != IDC_CALLS_LIST) return 0;
  switch (header.code) {
    case LVN_GETDISPINFOA: GiveText(*reinterpret_cast<NMLVDISPINFOA*>(const_cast<NMHDR*>(&header))); break;
    case LVN_KEYDOWN: return OnListKey(reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey);
    case NM_DBLCLK:
      if (reinterpret_cast<const NMITEMACTIVATE&>(header).iItem >= 0)
        SendMessageA(hwnd_, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
      break;
  }
  return 0;
}

void CallsWindow::GiveText(NMLVDISPINFOA& info) {
  if (!(info.item.mask & LVIF_TEXT) || info.item.iItem < 0 || static_cast<size_t>(info.item.iItem) >= shown_.size())
    return;
  const CallEntry& call = entries_[shown_[info.item.iItem]];
  cellText_ = info.item.iSubItem == 0 ? ShownCallTime(call.time) : FieldShown(call, info.item.iSubItem);
  lstrcpynA(info.item.pszText, cellText_.c_str(), info.item.cchTextMax);
}

bool CallsWindow::OnListKey(WORD key) {
  if (key == VK_DELETE) DeleteSelected();
  else if (key == 'C' && GetKeyState(VK_CONTROL) < 0) CopyNumber();
  else return false;
  return true;
}

// Letters and digits typed into the list go to the filter; Down in the
// filter goes to the list.
LRESULT CallsWindow::HandleSubclassMessage(HWND control, UINT_PTR id, UINT message, WPARAM wParam, LPARAM lParam) {
  if (id == IDC_CALLS_LIST && message == WM_GETOBJECT && AsksForClient(lParam)) return AnswerScreenReader(wParam);
  if (id == IDC_CALLS_LIST && message == WM_CHAR && (wParam >= 0x20 || wParam == VK_BACK)) {
    HWND filter = Item(IDC_CALLS_FILTER);
    SetFocus(filter);
    SendMessageA(filter, EM_SETSEL, GetWindowTextLengthA(filter), GetWindowTextLengthA(filter));
    return SendMessageA(filter, WM_CHAR, wParam, lParam);
  }
  if (id == IDC_CALLS_FILTER && message == WM_KEYDOWN && wParam == VK_DOWN && !shown_.empty()) {
    SetFocus(List());
    return 0;
  }
  return DefSubclassProc(control, message, wParam, lParam);
}

LRESULT CallsWindow::AnswerScreenReader(WPARAM wParam) {
  if (!accessible_) {
    accessible_ = new ListViewAccessible(List(), "Recent Calls", [this](int item) {
      return static_cast<size_t>(item) < shown_.size() ? SpokenCall(entries_[shown_[item]]) : std::string();
    });
  }
  return AnswerGetObject(accessible_, wParam);
}

// ---- the commands ---------------------------------------------------------------------

// The focused item when it is selected, else the first selected; -1 for none.
int CallsWindow::CurrentItem() const {
  const int focused = static_cast<int>(
      SendMessageA(List(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED | LVNI_SELECTED));
  if (focused >= 0) return focused;
  return static_cast<int>(SendMessageA(List(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

std::vector<size_t> CallsWindow::SelectedCalls() const {
  std::vector<size_t> selected;
  for (int item = -1;;) {
    item = static_cast<int>(SendMessageA(List(), LVM_GETNEXTITEM, static_cast<WPARAM>(item), LVNI_SELECTED));
    if (item < 0 || static_cast<size_t>(item) >= shown_.size()) break;
    selected.push_back(shown_[item]);
  }
  return selected;
}

void CallsWindow::DeleteSelected() {
  const std::vector<size_t> selected = SelectedCalls();
  if (selected.empty()) return;
  const std::set<size_t> gone(selected.begin(), selected.end());
  std::vector<CallEntry> kept;
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (!gone.count(i)) kept.push_back(entries_[i]);
  }
  Rewrite(std::move(kept));
}

void CallsWindow::ClearLog() {
  if (entries_.empty() && skipped_ == 0) return;
  if (AskYesNo(hwnd_, "Remove every call from the log ?")) Rewrite({});
  SetFocus(List());
}

// The log as the window now holds it; a failed rewrite changes nothing
// and says why.
void CallsWindow::Rewrite(std::vector<CallEntry> calls) {
  std::string failure;
  if (calls_.Keep(calls, failure)) {
    entries_ = std::move(calls);
    skipped_ = 0;
  } else {
    failure_ = failure;
  }
  ApplyFilter();
}

void CallsWindow::ChangeKeeping() {
  HWND box = Item(IDC_CALLS_KEEP);
  std::string failure;
  if (SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED) {
    if (!calls_.StartKeeping(failure)) failure_ = failure;
  } else if (AskYesNo(hwnd_, "Keep no log of calls and remove " + std::string(kCallLogFileName) + " ?")) {
    if (!calls_.StopKeeping(failure)) failure_ = failure;
    entries_.clear();
    skipped_ = 0;
    ApplyFilter();
  } else {
    SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
  }
  ShowStatus();
}

void CallsWindow::CopyNumber() {
  const int item = CurrentItem();
  if (item < 0 || !OpenClipboard(hwnd_)) return;
  const std::string& number = entries_[shown_[item]].number;
  EmptyClipboard();
  if (HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, number.size() + 1)) {
    if (char* text = static_cast<char*>(GlobalLock(copy))) {
      lstrcpynA(text, number.c_str(), static_cast<int>(number.size() + 1));
      GlobalUnlock(copy);
      if (!SetClipboardData(CF_TEXT, copy)) GlobalFree(copy);
    } else {
      GlobalFree(copy);
    }
  }
  CloseClipboard();
}

}  // namespace

std::optional<std::string> RecentCalls::ShowWindow(HWND owner) {
  CallsWindow window(*this);
  window.Show(owner);
  return window.Chosen();
}

}  // namespace tonvero
