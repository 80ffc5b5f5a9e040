#pragma once
// The dialing-procedure controls of the main window's top line: the "Ins."
// and "Del." buttons, the name box, the command field and the command help
// shown while the command is edited. The bar owns the procedure list of the
// current database and saves it after every change.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/app/io_error.h"
#include "core/procedures/procedure_list.h"
#include "win32/app/forms.h"
#include "win32/ui/base_window.h"

namespace tonvero {

class TProcedureBar : public BaseWindow<TProcedureBar> {
 public:
  using AskQuestion = std::function<bool(const std::string& question)>;
  explicit TProcedureBar(AskQuestion ask);
  ~TProcedureBar();
  TProcedureBar(const TProcedureBar&) = delete;
  TProcedureBar& operator=(const TProcedureBar&) = delete;

  // The controls, for the parent's form table; Attach once they exist.
  static std::vector<ControlSpec> Controls();
  void Attach(HWND parent);
  // Where choosing a procedure moves the focus (the phone list); while it
  // is a child window, editing a command shortens it to make room for the
  // help, and `showScrollBar` takes its scroll bar away meanwhile. Until it
  // is set the focus goes to the parent window.
  void SetFocusTarget(HWND target, std::function<void(bool shown)> showScrollBar);

  // Replaces the list by the procedures of `dbBase` and rewrites their
  // backup; selects DEFAULT. Throws IoError when the file exists but cannot
  // be read: the list then holds DEFAULT alone and no save writes the file
  // until a load succeeds.
  void Load(const std::string& dbBase);
  // Why the list holds DEFAULT alone: its file could not be read.
  const std::optional<IoError>& ReadFailure() const { return readFailure_; }
  // Writes the user procedures to the loaded database's procedure file.
  void Save();
  // Writes them to another database's procedure file.
  void SaveTo(const std::string& dbBase) const;

  // Selects the next or previous procedure as the user's choice would;
  // false when there is none.
  bool StepNext();
  bool StepPrevious();
  // The command text dialing uses: what the command field shows.
  std::string CurrentCommand() const;

  const ProcedureList& List() const { return list_; }
  int Selected() const;
  // Selects an entry and shows its command.
  void Select(int index);
  // Inserts a procedure named `name` after the selected one with the
  // command "@ (New)", selects it and saves. False, changing nothing, when
  // `name` is empty.
  bool InsertProcedure(const std::string& name);
  // Replaces an entry's command text (normalised) without saving, and
  // shows it when the entry is selected.
  void SetCommand(int index, const std::string& text);

  // A merge from another database changes the list directly, then shows it
  // anew with DEFAULT selected.
  ProcedureList& ListForMerge() { return list_; }
  void ShowMergedList() { ShowList(); }

  // Routing from the parent: true when the message was the bar's.
  bool OnCommand(int id, int code);
  bool OnControlColor(HDC dc, HWND control, LRESULT& brush);

 private:
  friend class BaseWindow<TProcedureBar>;
  // The command field: a click into it opens the help.
  LRESULT HandleSubclassMessage(HWND control, UINT_PTR id, UINT message, WPARAM wParam, LPARAM lParam);

  void DPnameChange();
  void DPnameEnter();
  void DPEditClick();
  void DPEditExit();
  void BitBtnDPInsertClick();
  void BitBtnDPDeleteClick();

  void ShowList();
  void ShowSelection();
  void UpdateDeleteButton();
  HWND Item(int id) const { return GetDlgItem(parent_, id); }
  HWND Grid() const;
  HWND NamesList() const;

  AskQuestion ask_;
  HWND parent_ = nullptr;
  HWND focusTarget_ = nullptr;
  std::function<void(bool shown)> showTargetScrollBar_;
  int gridHeight_ = 0;  // the phone list's height while the help shows
  std::string dbBase_;
  ProcedureList list_;
  std::optional<IoError> readFailure_;  // the loaded file could not be read
  HBRUSH fieldBrush_, helpBrush_;
};

}  // namespace tonvero
