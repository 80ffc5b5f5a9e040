#include "win32/procedures/procedure_bar.h"

#include <algorithm>

#include "win32/ui/control_ids.h"
#include "win32/procedures/insert_dialog.h"
#include "win32/procedures/procedure_file.h"
#include "win32/ui/look.h"
#include "win32/ui/message_boxes.h"
#include "win32/ui/panel.h"

namespace tonvero {
namespace {

using namespace look;
constexpr int kDroppedRows = 10;
constexpr int kClosedNamesHeight = 21;  // as high as the buttons and the field beside it

}  // namespace

ProcedureBar::ProcedureBar() : fieldBrush_(CreateSolidBrush(kAqua)) {}

ProcedureBar::~ProcedureBar() { DeleteObject(fieldBrush_); }

namespace {

std::vector<ControlSpec> Controls() {
  return {
      {IDC_DP_LABEL, "STATIC", "Dialing Proc.:", 7, 7, 65, 14,
       WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOPREFIX, {"Tahoma", 10}},
      {IDC_DP_INSERT, "BUTTON", "Ins.", 72, 3, 33, 21, kColouredButton, {}, CLR_INVALID,
       " Insert A New Dialing Procedure After This One "},
      {IDC_DP_DELETE, "BUTTON", "Del.", 104, 3, 33, 21, kColouredButton | WS_DISABLED, {}, CLR_INVALID,
       " Delete This Dialing Procedure "},
      {IDC_DP_NAME, "COMBOBOX", "", 136, 3, 121, 24 + kDroppedRows * 14,
       WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, {}, CLR_INVALID,
       " Dialing Procedure Name "},
      {IDC_DP_EDIT, "EDIT", "@", 256, 3, 313, 21,
       WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_UPPERCASE | ES_AUTOHSCROLL, {}, CLR_INVALID,
       "Dialing Procedure "},
  };
}

}  // namespace

void ProcedureBar::Create(HWND parent, const RECT& place, const RECT& helpPlace, Scale scale) {
  CreatePanel(parent, TONVERO_CLASS_PROCEDURE_BAR, IDC_PANEL_PROCEDURES, place, Controls(), scale);
  SetClosedHeight(Item(IDC_DP_NAME), scale(kClosedNamesHeight));
  help_.Create(parent, helpPlace, scale);
  Subclass(Item(IDC_DP_EDIT), IDC_DP_EDIT);
  ShowList();
}

void ProcedureBar::Layout(const RECT& place, const RECT& helpPlace, Scale scale) {
  PlacePanelAndForm(place, Controls(), scale);
  SetClosedHeight(Item(IDC_DP_NAME), scale(kClosedNamesHeight));
  help_.Layout(helpPlace, scale);
}

LRESULT ProcedureBar::HandleSubclassMessage(HWND control, UINT_PTR, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  if (message == WM_LBUTTONDOWN) OpenCommandHelp();
  return DefSubclassProc(control, message, wParam, lParam);
}

void ProcedureBar::FocusListBelow() {
  if (listBelow_) listBelow_->Focus();
  else SetFocus(TopWindow(hwnd_));
}

// ---- the list and its file ----------------------------------------------------

void ProcedureBar::Load(const std::string& dbBase) {
  dbBase_ = dbBase;
  readFailure_.reset();
  list_ = ProcedureList();
  std::optional<ProcedureList> read;
  try {
    read = ReadProcedureFile(dbBase, &stamp_);
  } catch (const IoError& failure) {
    readFailure_ = failure;
    ShowList();
    throw;
  }
  if (read) list_ = std::move(*read);
  stored_ = list_;
  ShowList();
  if (read) WriteProcedureBackup(dbBase, list_);
}

// A merge changes the list by inserting procedures only.
void ProcedureBar::Save() { SaveChanges(InsertionsSince(stored_.Entries(), list_.Entries())); }

void ProcedureBar::SaveChanges(const std::vector<ListChange<Procedure>>& changes) {
  // A file that could not be read is not overwritten by the little that
  // the list then holds.
  if (readFailure_) throw *readFailure_;
  if (ProcedureFileChanged(dbBase_, stamp_)) {
    ReadAgainAndApply(changes);
    return;
  }
  stamp_ = WriteProcedureFile(dbBase_, list_);
  stored_ = list_;
}

// The list as the other program left it, with the changed procedure
// selected where it stands. Changes that cannot be applied leave the file
// as the other program wrote it.
void ProcedureBar::ReadAgainAndApply(const std::vector<ListChange<Procedure>>& changes) {
  std::optional<ProcedureList> read = ReadProcedureFile(dbBase_, &stamp_);
  if (!read) return;  // gone and not to be made again: the next save writes it
  WriteProcedureBackup(dbBase_, *read);
  list_ = std::move(*read);
  std::vector<std::string> lost;
  int selected = 0;
  for (const ListChange<Procedure>& change : changes) {
    if (list_.ApplyAgain(change)) {
      if (change.kind == ChangeKind::kDelete) continue;
      const auto& entries = list_.Entries();
      selected = static_cast<int>(std::find(entries.begin() + 1, entries.end(), change.after) - entries.begin());
    } else {
      const Procedure& named = change.kind == ChangeKind::kInsert ? change.after : change.before;
      lost.push_back(DescribeChange(change.kind, ProcedureSummary(named)));
    }
  }
  ShowList();
  Select(selected < list_.Size() ? selected : 0);
  if (lost.size() < changes.size()) stamp_ = WriteProcedureFile(dbBase_, list_);
  stored_ = list_;
  ShowNotice(TopWindow(hwnd_), ReadAgainNotice("list of dialing procedures", "procedure", lost));
}

void ProcedureBar::ReplaceList(ProcedureList list) {
  list_ = std::move(list);
  ShowList();
}

// ---- the controls ------------------------------------------------------------

void ProcedureBar::ShowList() {
  // The names go straight to the box's own list: the box carries its hint's
  // subclass, which costs Wine a round trip to its server for every message,
  // seconds for a long list.
  HWND names = Item(IDC_DP_NAME), namesList = NamesList();
  SendMessageA(names, CB_RESETCONTENT, 0, 0);
  SendMessageA(namesList, WM_SETREDRAW, FALSE, 0);
  size_t characters = 0;
  for (const Procedure& p : list_.Entries()) characters += p.name.size() + 1;
  SendMessageA(namesList, LB_INITSTORAGE, list_.Entries().size(), characters);
  for (const Procedure& p : list_.Entries()) {
    SendMessageA(namesList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(p.name.c_str()));
  }
  SendMessageA(namesList, WM_SETREDRAW, TRUE, 0);
  Select(0);
  for (int id : {IDC_DP_NAME, IDC_DP_EDIT, IDC_DP_DELETE}) {
    RedrawWindow(Item(id), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  }
}

HWND ProcedureBar::NamesList() const {
  COMBOBOXINFO names{};
  names.cbSize = sizeof names;
  GetComboBoxInfo(Item(IDC_DP_NAME), &names);
  return names.hwndList;
}

int ProcedureBar::Selected() const {
  return static_cast<int>(SendMessageA(Item(IDC_DP_NAME), CB_GETCURSEL, 0, 0));
}

void ProcedureBar::Select(int index) {
  SendMessageA(Item(IDC_DP_NAME), CB_SETCURSEL, index, 0);
  ShowSelection();
}

void ProcedureBar::ShowSelection() {
  SetWindowTextA(Item(IDC_DP_EDIT), list_.CommandOf(Selected()).c_str());
  UpdateDeleteButton();
}

void ProcedureBar::UpdateDeleteButton() { EnableWindow(Item(IDC_DP_DELETE), Selected() > 0); }

std::string ProcedureBar::CurrentCommand() const { return WindowText(Item(IDC_DP_EDIT)); }

std::string ProcedureBar::CurrentName() const { return WindowText(Item(IDC_DP_NAME)); }

bool ProcedureBar::StepNext() {
  const int next = Selected() + 1;
  if (next >= list_.Size()) return false;
  SendMessageA(Item(IDC_DP_NAME), CB_SETCURSEL, next, 0);
  OnNameChosen();
  return true;
}

bool ProcedureBar::StepPrevious() {
  const int previous = Selected() - 1;
  if (previous < 0) return false;
  SendMessageA(Item(IDC_DP_NAME), CB_SETCURSEL, previous, 0);
  OnNameChosen();
  return true;
}

bool ProcedureBar::InsertProcedure(const std::string& name) {
  const int position = list_.InsertAfter(Selected(), name);
  if (position == kNoSelection) return false;
  SendMessageA(Item(IDC_DP_NAME), CB_INSERTSTRING, position,
               reinterpret_cast<LPARAM>(list_.At(position).name.c_str()));
  Select(position);
  SaveChanges({{ChangeKind::kInsert, list_.At(position - 1), list_.At(position)}});
  return true;
}

void ProcedureBar::SetCommand(int index, const std::string& text) {
  list_.SetCommand(index, text);
  if (index == Selected()) ShowSelection();
}

// ---- handlers ------------------------------------------------------------------

LRESULT ProcedureBar::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
      if (IsField(reinterpret_cast<HWND>(lParam))) return ColorField(reinterpret_cast<HDC>(wParam));
      break;
  }
  return HandleRest(message, wParam, lParam);
}

void ProcedureBar::OnCommand(int id, int code) {
  switch (id) {
    case IDC_DP_NAME:
      if (code == CBN_SELCHANGE) OnNameChosen();
      else if (code == CBN_SETFOCUS) OnNameFocused();
      break;
    case IDC_DP_EDIT:
      if (code == EN_KILLFOCUS) StoreEditedCommand();
      break;
    // The buttons draw themselves, and such a button reports a second
    // click soon after the first as a double click: a press too.
    case IDC_DP_INSERT:
      if (code == BN_CLICKED || code == BN_DOUBLECLICKED) AskAndInsert();
      break;
    case IDC_DP_DELETE:
      if (code == BN_CLICKED || code == BN_DOUBLECLICKED) AskAndDelete();
      break;
  }
}

void ProcedureBar::OnNameChosen() {
  ShowSelection();
  FocusListBelow();
}

void ProcedureBar::OnNameFocused() { UpdateDeleteButton(); }

// A click into the command field shows the command help under it, where
// the list below makes room.
void ProcedureBar::OpenCommandHelp() {
  if (help_.Shown()) return;
  if (listBelow_) listBelow_->GiveWay(help_.ScreenTop());
  help_.Show(true);
}

void ProcedureBar::StoreEditedCommand() {
  if (help_.Shown()) {
    help_.Show(false);
    if (listBelow_) listBelow_->TakeBackRoom();
  }
  HWND edit = Item(IDC_DP_EDIT);
  const std::string text = NormaliseProcedureText(WindowText(edit));
  SetWindowTextA(edit, text.c_str());
  // DEFAULT's text is never stored, so changing it leaves the file as it is.
  const int selected = Selected();
  if (selected <= 0) {
    list_.SetCommand(selected, text);
    return;
  }
  const Procedure before = list_.At(selected);
  if (list_.SetCommand(selected, text)) SaveChanges({{ChangeKind::kEdit, before, list_.At(selected)}});
}

void ProcedureBar::AskAndInsert() {
  std::string name;
  if (AskProcedureName(TopWindow(hwnd_), name)) InsertProcedure(name);
}

void ProcedureBar::AskAndDelete() {
  const int selected = Selected();
  if (selected > 0 && AskYesNo(TopWindow(hwnd_), "Delete This Dialing Procedure ?")) {
    const Procedure deleted = list_.At(selected);
    const int next = list_.Delete(selected);
    SendMessageA(Item(IDC_DP_NAME), CB_DELETESTRING, selected, 0);
    Select(next);
    SaveChanges({{ChangeKind::kDelete, deleted, {}}});
  }
  UpdateDeleteButton();
}

// The name box, its list and the command field are aqua.
bool ProcedureBar::IsField(HWND control) const {
  const int id = GetDlgCtrlID(control);
  return id == IDC_DP_EDIT || id == IDC_DP_NAME || control == NamesList();
}

LRESULT ProcedureBar::ColorField(HDC dc) const {
  SetBkColor(dc, kAqua);
  return reinterpret_cast<LRESULT>(fieldBrush_);
}

}  // namespace tonvero
