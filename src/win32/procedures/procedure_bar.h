#pragma once
// The dialing-procedure controls of the main window's top line, a panel of
// their own: the "Ins." and "Del." buttons, the name box, the command field,
// and the command help shown while the command is edited. The bar owns the
// procedure list of the current database and saves it after every change.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "core/app/io_error.h"
#include "core/merge/merge_lists.h"
#include "core/procedures/procedure_list.h"
#include "win32/files/files.h"
#include "win32/procedures/command_help.h"
#include "win32/ui/forms.h"
#include "win32/ui/neighbours.h"
#include "win32/ui/panel.h"
#include "win32/ui/base_window.h"

namespace tonvero {

class ProcedureBar : public Panel<ProcedureBar>, public MergeProcedures, public ProcedureStepper {
 public:
  ProcedureBar();
  ~ProcedureBar();
  ProcedureBar(const ProcedureBar&) = delete;
  ProcedureBar& operator=(const ProcedureBar&) = delete;

  // Creates the bar at `place` and its command help at `helpPlace` (at 96
  // DPI) in `parent`, at `scale`; Layout places them again at another.
  void Create(HWND parent, const RECT& place, const RECT& helpPlace, Scale scale);
  void Layout(const RECT& place, const RECT& helpPlace, Scale scale);
  // Until the list below is set the focus goes to the parent window.
  void SetListBelow(ListBelow& list) { listBelow_ = &list; }

  // Replaces the list by the procedures of `dbBase` and rewrites their
  // backup; selects DEFAULT. Throws IoError when the file exists but cannot
  // be read: the list then holds DEFAULT alone and no save writes the file
  // until a load succeeds.
  void Load(const std::string& dbBase);
  // Why the list holds DEFAULT alone: its file could not be read.
  const std::optional<IoError>& ReadFailure() const override { return readFailure_; }
  // Writes the user procedures to the loaded database's procedure file.
  // When another program wrote it since it was read or written, it is read
  // again as a load does, the procedures inserted since are inserted again,
  // and the user is told.
  void Save() override;

  // Selects the next or previous procedure as the user's choice would;
  // false when there is none.
  bool StepNext() override;
  bool StepPrevious() override;
  // The command text dialing uses: what the command field shows.
  std::string CurrentCommand() const;
  std::string CurrentName() const;

  const ProcedureList& List() const override { return list_; }
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

  // Takes the list a merge made and shows it anew with DEFAULT selected.
  void ReplaceList(ProcedureList list) override;


 private:
  friend class BaseWindow<ProcedureBar>;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommand(int id, int code);
  bool IsField(HWND control) const;
  LRESULT ColorField(HDC dc) const;
  // The command field: a click into it opens the help.
  LRESULT HandleSubclassMessage(HWND control, UINT_PTR id, UINT message, WPARAM wParam, LPARAM lParam);

  void OnNameChosen();
  void OnNameFocused();
  void OpenCommandHelp();
  void StoreEditedCommand();
  void AskAndInsert();
  void AskAndDelete();
  void FocusListBelow();
  // Saves after `changes`; see Save.
  void SaveChanges(const std::vector<ListChange<Procedure>>& changes);
  void ReadAgainAndApply(const std::vector<ListChange<Procedure>>& changes);

  void ShowList();
  void ShowSelection();
  void UpdateDeleteButton();
  HWND NamesList() const;

  CommandHelp help_;
  ListBelow* listBelow_ = nullptr;
  std::string dbBase_;
  ProcedureList list_;
  std::optional<IoError> readFailure_;  // the loaded file could not be read
  FileStamp stamp_;      // what was last read or written of the file
  ProcedureList stored_;  // the list as last read or written
  HBRUSH fieldBrush_;
};

}  // namespace tonvero
