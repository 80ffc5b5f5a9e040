#include "win32/procedures/procedure_bar.h"

#include "win32/ui/control_ids.h"
#include "win32/procedures/insert_dialog.h"
#include "win32/procedures/procedure_file.h"
#include "win32/ui/look.h"
#include "win32/ui/message_boxes.h"

namespace tonvero {
namespace {

using namespace look;
constexpr int kDroppedRows = 10;

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

ProcedureBar::ProcedureBar()
    : fieldBrush_(CreateSolidBrush(kAqua)),
      helpBrush_(CreateSolidBrush(GetSysColor(COLOR_INFOBK))) {}

ProcedureBar::~ProcedureBar() {
  DeleteObject(fieldBrush_);
  DeleteObject(helpBrush_);
}

std::vector<ControlSpec> ProcedureBar::Controls() {
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
      {IDC_DP_MEMO, "EDIT", "", 232, 216, 385, 150, WS_BORDER | ES_MULTILINE | ES_READONLY,
       {"MS Sans Serif", 11, true}},
  };
}

void ProcedureBar::Attach(HWND parent) {
  parent_ = parent;
  SetWindowTextA(Item(IDC_DP_MEMO), ProcedureHelpText().c_str());
  Subclass(Item(IDC_DP_EDIT), IDC_DP_EDIT);
  ShowList();
}

LRESULT ProcedureBar::HandleSubclassMessage(HWND control, UINT_PTR, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  if (message == WM_LBUTTONDOWN) OpenCommandHelp();
  return DefSubclassProc(control, message, wParam, lParam);
}

void ProcedureBar::FocusListBelow() {
  if (listBelow_) listBelow_->Focus();
  else SetFocus(parent_);
}

// ---- the list and its file ----------------------------------------------------

void ProcedureBar::Load(const std::string& dbBase) {
  dbBase_ = dbBase;
  readFailure_.reset();
  list_ = ProcedureList();
  std::optional<ProcedureList> read;
  try {
    read = ReadProcedureFile(dbBase);
  } catch (const IoError& failure) {
    readFailure_ = failure;
    ShowList();
    throw;
  }
  if (read) list_ = std::move(*read);
  ShowList();
  if (read) WriteProcedureBackup(dbBase, list_);
}

void ProcedureBar::Save() {
  // A file that could not be read is not overwritten by the little that
  // the list then holds.
  if (readFailure_) throw *readFailure_;
  SaveTo(dbBase_);
}

void ProcedureBar::SaveTo(const std::string& dbBase) const { WriteProcedureFile(dbBase, list_); }

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
  Save();
  return true;
}

void ProcedureBar::SetCommand(int index, const std::string& text) {
  list_.SetCommand(index, text);
  if (index == Selected()) ShowSelection();
}

// ---- handlers ------------------------------------------------------------------

bool ProcedureBar::OnCommand(int id, int code) {
  switch (id) {
    case IDC_DP_NAME:
      if (code == CBN_SELCHANGE) OnNameChosen();
      else if (code == CBN_SETFOCUS) OnNameFocused();
      return true;
    case IDC_DP_EDIT:
      if (code == EN_KILLFOCUS) StoreEditedCommand();
      return true;
    // The buttons draw themselves, and such a button reports a second
    // click soon after the first as a double click: a press too.
    case IDC_DP_INSERT:
      if (code == BN_CLICKED || code == BN_DOUBLECLICKED) AskAndInsert();
      return true;
    case IDC_DP_DELETE:
      if (code == BN_CLICKED || code == BN_DOUBLECLICKED) AskAndDelete();
      return true;
  }
  return false;
}

void ProcedureBar::OnNameChosen() {
  ShowSelection();
  FocusListBelow();
}

void ProcedureBar::OnNameFocused() { UpdateDeleteButton(); }

// A click into the command field shows the command help under it, where
// the list below makes room.
void ProcedureBar::OpenCommandHelp() {
  HWND memo = Item(IDC_DP_MEMO);
  if (IsWindowVisible(memo)) return;
  if (listBelow_) {
    RECT help;
    GetWindowRect(memo, &help);
    MapWindowPoints(nullptr, parent_, reinterpret_cast<POINT*>(&help), 2);
    listBelow_->GiveWay(help.top);
  }
  ShowWindow(memo, SW_SHOW);
}

void ProcedureBar::StoreEditedCommand() {
  HWND memo = Item(IDC_DP_MEMO);
  if (IsWindowVisible(memo)) {
    ShowWindow(memo, SW_HIDE);
    if (listBelow_) listBelow_->TakeBackRoom();
  }
  HWND edit = Item(IDC_DP_EDIT);
  const std::string text = NormaliseProcedureText(WindowText(edit));
  SetWindowTextA(edit, text.c_str());
  // DEFAULT's text is never stored, so changing it leaves the file as it is.
  const int selected = Selected();
  if (list_.SetCommand(selected, text) && selected > 0) Save();
}

void ProcedureBar::AskAndInsert() {
  std::string name;
  if (AskProcedureName(parent_, name)) InsertProcedure(name);
}

void ProcedureBar::AskAndDelete() {
  const int selected = Selected();
  if (selected > 0 && AskYesNo(parent_, "Delete This Dialing Procedure ?")) {
    const int next = list_.Delete(selected);
    SendMessageA(Item(IDC_DP_NAME), CB_DELETESTRING, selected, 0);
    Select(next);
    Save();
  }
  UpdateDeleteButton();
}

bool ProcedureBar::OnControlColor(HDC dc, HWND control, LRESULT& brush) {
  const int id = GetDlgCtrlID(control);
  if (id == IDC_DP_EDIT || id == IDC_DP_NAME || control == NamesList()) {
    SetBkColor(dc, kAqua);
    brush = reinterpret_cast<LRESULT>(fieldBrush_);
    return true;
  }
  if (id == IDC_DP_MEMO) {
    SetBkColor(dc, GetSysColor(COLOR_INFOBK));
    brush = reinterpret_cast<LRESULT>(helpBrush_);
    return true;
  }
  return false;
}

}  // namespace tonvero
