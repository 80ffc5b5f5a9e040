#pragma once
// The phone list as the main window shows it: the grid `DBase` with its
// records, sort column and type-ahead search, the record dialog behind
// "Edit F4", "Insert" and "Delete", the "Sorting" dialog and "Open". It owns
// the list loaded from the current database and saves it after every change.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "core/app/io_error.h"
#include "core/phonelist/phone_list.h"
#include "core/phonelist/search.h"
#include "win32/phonelist/grid_window.h"

namespace tonvero {

class TPhoneGrid : private GridWindow::Source, private GridWindow::Events {
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
    // Puts a number into the dialer screen.
    virtual void ShowNumber(const std::string& number) = 0;
    // Dials what the dialer screen holds.
    virtual void DialNumber() = 0;
    // Steps the dialing procedure: -1 the previous one, +1 the next one.
    virtual void StepProcedure(int delta) = 0;
    virtual bool AskQuestion(const std::string& question) = 0;
  };

  explicit TPhoneGrid(Owner& owner);

  // Registers the grid's window class; the form then creates the window.
  static const char* WindowClass() { return GridWindow::ClassName(); }
  static void RegisterWindowClass(HINSTANCE instance) { GridWindow::RegisterClass(instance); }
  void Attach(HWND grid);
  HWND Handle() const { return grid_.Handle(); }

  // Replaces the list by the one of `dbBase` and names it in the caption.
  // False, changing nothing, when its file can be neither opened nor
  // created. Throws IoError, changing nothing, when it exists but cannot be
  // read or its backup cannot be written. Does not sort.
  bool Load(const std::string& dbBase);
  // Why no list is loaded: its file was there but could not be read, or
  // could not be made. Nothing once a list is loaded.
  std::optional<IoError> ReadFailure() const;
  // Writes the list to the current database, or to another one. Nothing
  // is written over a database whose list was never loaded.
  void Save() const;
  void SaveTo(const std::string& dbBase) const;
  // Sorts by the sort column and selects where the selected record went.
  void SortAndFollow();
  // Sorts and selects the first record, as after a load.
  void SortAndSelectFirst();

  const Titles& ColumnTitles() const { return titles_; }
  const std::vector<Record>& Records() const { return records_; }
  int SortField() const { return sortField_; }
  ColumnWidths Widths() const { return grid_.Widths(); }
  void SetWidths(const ColumnWidths& widths) { grid_.SetWidths(widths); }
  void ShowScrollBar(bool shown) { grid_.ShowScrollBar(shown); }

  // The main window's buttons.
  void BitBtnSortClick();
  void BitBtnEditClick();
  void BitBtnInsertClick();
  void BitBtnDeleteClick();
  void BitBtnFileClick();
  // Runs the record dialog as "Insert Record" with `initial` in its fields
  // and, on OK, adds the record, sorts, selects it and saves. True when a
  // record was added; false at once when no list was ever loaded.
  bool InsertRecordDialog(const Record& initial);

 private:
  // GridWindow::Source
  int RecordRows() const override { return static_cast<int>(records_.size()); }
  std::string CellText(int row, int column) const override;
  CellLook Look(int row, int column, int selectedRow) const override;
  // GridWindow::Events
  void RowChosen(int row) override { DBaseSelectCell(row, false); }
  void DoubleClicked() override { DBaseDblClick(); }
  void CharTyped(char typed) override { DBaseKeyPress(typed); }
  bool KeyPressed(int virtualKey) override { return DBaseKeyDown(virtualKey); }
  void FocusReceived() override { DBaseEnter(); }

  void DBaseSelectCell(int row, bool bySearch);
  void DBaseDblClick();
  void DBaseKeyPress(char typed);
  bool DBaseKeyDown(int virtualKey);
  void DBaseEnter() { search_.Clear(); }

  int Selected() const { return grid_.SelectedRow(); }
  const Record* SelectedRecord() const;
  // After an edit or insertion: sorted, the record selected and shown, saved.
  void SettleChangedRecord(int row);
  void EnableDelete(bool enable) const;
  void FocusGrid() const;
  HWND MainWindow() const;

  Owner& owner_;
  GridWindow grid_;
  Titles titles_;
  std::vector<Record> records_;
  int sortField_ = 1;
  SearchText search_;
  bool loaded_ = false;  // records may change only once a list is loaded
  std::optional<IoError> readFailure_;  // why the first load failed
};

}  // namespace tonvero
