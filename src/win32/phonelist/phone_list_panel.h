#pragma once
// The phone list on the right of the main window, a panel of its own: the
// grid with its records, sort column and type-ahead search, and the row of
// buttons over it: "Sort", "Edit F4", "Insert", "Delete" and "Open" with
// their dialogs, and "Print", "Sync." and "Add", which the owner carries
// out. It owns the list loaded from the current database and saves it after
// every change.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "core/app/io_error.h"
#include "core/common/list_change.h"
#include "core/merge/merge.h"
#include "core/merge/merge_lists.h"
#include "core/phonelist/phone_list.h"
#include "core/phonelist/search.h"
#include "win32/files/files.h"
#include "win32/phonelist/grid_window.h"
#include "win32/ui/base_window.h"
#include "win32/ui/forms.h"
#include "win32/printing/print_phone_list.h"
#include "win32/settings/settings_file.h"
#include "win32/ui/neighbours.h"
#include "win32/ui/panel.h"

namespace tonvero {

class PhoneListPanel : public Panel<PhoneListPanel>,
                       public MergeRecords,
                       public ListBelow,
                       public SettingsView,
                       private GridWindow::Source,
                       private GridWindow::Events {
 public:
  // What the list needs from the main window.
  class Owner {
   public:
    virtual ~Owner() = default;
    // The current database's path without extension (`DBBase`).
    virtual const std::string& DatabaseBase() const = 0;
    // "Open" loaded the list of `dbBase`: it becomes the current database,
    // and its dialing procedures are to be loaded.
    virtual void DatabaseOpened(const std::string& dbBase) = 0;
    // "Sync." and "Add".
    virtual void MergeAnotherDatabase(MergeKind kind) = 0;
  };

  // A chosen record's number goes to `dialer`; Left and Right step the
  // procedures of `procedures`.
  PhoneListPanel(Owner& owner, NumberDialer& dialer, ProcedureStepper& procedures);

  // Creates the panel with its buttons and grid at `place` (at 96 DPI) in
  // `parent`, at `scale`; Layout places them again at another.
  void Create(HWND parent, const RECT& place, Scale scale);
  void Layout(const RECT& place, Scale scale);
  void Focus() const override;
  // Hides the grid while a picture shows in its place, and shows it again.
  void ShowGrid(bool shown);

  // Replaces the list by the one of `dbBase` and names it in the caption.
  // False, changing nothing, when its file can be neither opened nor
  // created. Throws IoError, changing nothing, when it exists but cannot be
  // read or its backup cannot be written. Does not sort.
  bool Load(const std::string& dbBase);
  // Why no list is loaded: its file was there but could not be read, or
  // could not be made. Nothing once a list is loaded.
  std::optional<IoError> ReadFailure() const override;
  // Writes the list to the current database, or to another one. Nothing
  // is written over a database whose list was never loaded, nor over one
  // another program wrote since: that is read again.
  void Save() override { SaveChanges({}); }
  void SaveTo(const std::string& dbBase) const override;
  // Sorts by the sort column and selects where the selected record went.
  void SortAndFollow();
  // Sorts and selects the first record, as after a load.
  void SortAndSelectFirst() override;

  const Titles& ColumnTitles() const { return titles_; }
  const std::vector<Record>& Records() const override { return records_; }
  int SortField() const { return sortField_; }
  // The name of the selected record when `number` is its phone; "" else.
  std::string NameOfSelected(const std::string& number) const;
  ColumnWidths Widths() const { return grid_.Widths(); }
  void SetWidths(const ColumnWidths& widths) { grid_.SetWidths(widths); }
  // SettingsView: the column widths.
  void ShowSettings(const Settings& settings) override { SetWidths(settings.columnWidths); }
  void ReadSettings(Settings& settings) const override { settings.columnWidths = Widths(); }
  // Ends the grid above `screenTop` (a screen coordinate) without its scroll
  // bar (for the command help below it), and gives it its room back.
  void GiveWay(int screenTop) override;
  void TakeBackRoom() override;

  void ChooseSortColumn();
  void EditSelected();
  void InsertRecord();
  void DeleteSelected();
  void OpenDatabase();
  // Runs the record dialog as "Insert Record" with `initial` in its fields
  // and, on OK, adds the record, sorts, selects it and saves. True when a
  // record was added; false at once when no list was ever loaded.
  bool InsertRecordDialog(const Record& initial) override;
  // Appends records as they are (not once no list was ever loaded); the
  // caller sorts and saves.
  void AddRecords(const std::vector<Record>& records) override;

 private:
  friend class BaseWindow<PhoneListPanel>;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommand(int id);

  // GridWindow::Source
  int RecordRows() const override { return static_cast<int>(records_.size()); }
  std::string CellText(int row, int column) const override;
  CellLook Look(int row, int column, int selectedRow) const override;
  // GridWindow::Events
  void RowChosen(int row) override { SelectRow(row, false); }
  void DoubleClicked() override { DialSelected(); }
  void CharTyped(char typed) override { OnCharTyped(typed); }
  bool KeyPressed(int virtualKey) override { return OnKey(virtualKey); }
  void FocusReceived() override { search_.Clear(); }

  void SelectRow(int row, bool bySearch);
  void DialSelected();
  void OnCharTyped(char typed);
  bool OnKey(int virtualKey);

  int Selected() const { return grid_.SelectedRow(); }
  const Record* SelectedRecord() const;
  // After an edit or insertion: sorted, the record selected and shown, saved.
  void SettleChangedRecord(int row, const ListChange<Record>& change);
  // Saves the list after `changes`. When another program wrote the file
  // since it was read or written, the file is read again as a load does,
  // the changes applied to it again where that is certain and saved, and
  // the user told once.
  void SaveChanges(std::vector<ListChange<Record>> changes);
  void ReadAgainAndApply(const std::vector<ListChange<Record>>& changes);
  void EnableDelete(bool enable) const;

  // "Print": the options box, the print dialog and the pages.
  void Print();

  Owner& owner_;
  NumberDialer& dialer_;
  ProcedureStepper& procedures_;
  PhoneListPrinter printer_;
  GridWindow grid_;
  Titles titles_;
  std::vector<Record> records_;
  int sortField_ = 1;
  SearchText search_;
  int fullHeight_ = 0;  // the grid's height while it gives way
  bool loaded_ = false;  // records may change only once a list is loaded
  std::optional<IoError> readFailure_;  // why the first load failed
  FileStamp stamp_;  // what was last read or written of the file
  std::vector<Record> addedUnsaved_;  // records a merge added, until saved
};

}  // namespace tonvero
