#include "win32/phonelist/phone_grid.h"

#include <algorithm>

#include "core/common/text.h"
#include "core/phonelist/sort.h"
#include "win32/app/control_ids.h"
#include "win32/phonelist/open_dialog.h"
#include "win32/phonelist/phone_list_file.h"
#include "win32/phonelist/record_dialog.h"
#include "win32/phonelist/sort_dialog.h"

namespace tonvero {

TPhoneGrid::TPhoneGrid(Owner& owner)
    : owner_(owner), titles_(ParsePhoneList(NewPhoneListFileText()).titles) {}

void TPhoneGrid::Attach(HWND grid) { grid_.Attach(grid, *this, *this); }

HWND TPhoneGrid::MainWindow() const { return GetParent(grid_.Handle()); }

void TPhoneGrid::FocusGrid() const { SetFocus(grid_.Handle()); }

void TPhoneGrid::EnableDelete(bool enable) const {
  EnableWindow(GetDlgItem(MainWindow(), IDC_DELETE), enable);
}

const Record* TPhoneGrid::SelectedRecord() const {
  const int row = Selected();
  return row >= 1 && row <= RecordRows() ? &records_[row - 1] : nullptr;
}

// ---- file ------------------------------------------------------------------------

bool TPhoneGrid::Load(const std::string& dbBase) {
  std::optional<PhoneListFile> file;
  try {
    file = LoadPhoneListFile(dbBase);
  } catch (const IoError& failure) {
    if (!loaded_) readFailure_ = failure;
    throw;
  }
  if (!file) return false;
  readFailure_.reset();
  titles_ = std::move(file->titles);
  records_ = std::move(file->records);
  loaded_ = true;
  sortField_ = 1;
  search_.Clear();
  // The selection keeps its row where the new list has one: choosing the
  // first record afterwards shows its phone only when the row changes.
  grid_.Select(records_.empty() ? 0 : std::clamp(Selected(), 1, RecordRows()));
  grid_.Refresh();
  // The caption is also the text of the program's task-bar button.
  SetWindowTextA(MainWindow(), DatabaseCaption(dbBase).c_str());
  return true;
}

std::optional<IoError> TPhoneGrid::ReadFailure() const {
  if (loaded_) return std::nullopt;
  // A list that could not be made is not there at all.
  return readFailure_ ? readFailure_ : IoError(kFileNotFound);
}

void TPhoneGrid::Save() const {
  if (loaded_) SaveTo(owner_.DatabaseBase());
}

void TPhoneGrid::SaveTo(const std::string& dbBase) const {
  SavePhoneListFile(dbBase, titles_, records_);
}

void TPhoneGrid::SortAndFollow() {
  const int row = SortRecords(records_, sortField_, Selected() - 1) + 1;
  grid_.Refresh();
  DBaseSelectCell(row, false);
}

void TPhoneGrid::SortAndSelectFirst() {
  SortRecords(records_, sortField_, -1);
  grid_.Refresh();
  if (!records_.empty()) DBaseSelectCell(1, false);
}

// "Open": the chosen file names the database; its list and procedures are
// loaded, and the previous ones stay when the list cannot be loaded.
void TPhoneGrid::BitBtnFileClick() {
  const std::optional<std::string> chosen =
      ChooseDatabaseFile(MainWindow(), "Open Tonvero DB", owner_.DatabaseBase() + ".rbd");
  // The grid has the focus also when loading fails and the failure is shown.
  FocusGrid();
  if (!chosen) return;
  const std::string dbBase = StripExtension(*chosen);
  if (!Load(dbBase)) return;
  owner_.DatabaseOpened(dbBase);
  SortAndSelectFirst();
  InvalidateRect(grid_.Handle(), nullptr, FALSE);
}

// ---- the grid's cells and events ----------------------------------------------------

std::string TPhoneGrid::CellText(int row, int column) const {
  if (column == 0) return row == 0 ? "N" : std::to_string(row);
  if (row == 0) return titles_[column - 1];
  return FieldOf(records_[row - 1], column);
}

CellLook TPhoneGrid::Look(int row, int column, int selectedRow) const {
  return LookOf(records_, row, column, selectedRow, sortField_);
}

// A row becomes selected: its phone goes to the dialer screen. Only the
// search's own moves keep the search text.
void TPhoneGrid::DBaseSelectCell(int row, bool bySearch) {
  if (row < 1 || row > RecordRows()) return;
  if (!bySearch) search_.Clear();
  if (row == Selected()) return;
  grid_.Select(row);
  owner_.ShowNumber(records_[row - 1].phone);
}

void TPhoneGrid::DBaseDblClick() {
  search_.Clear();
  const Record* record = SelectedRecord();
  if (!record) return;  // no record: nothing to dial
  owner_.ShowNumber(record->phone);
  owner_.DialNumber();
}

void TPhoneGrid::DBaseKeyPress(char typed) {
  if (typed == '\r') {
    DBaseDblClick();
    return;
  }
  if (!search_.Type(typed) || search_.Text().empty()) return;
  const int row = FindSearchRow(records_, sortField_, search_.Text()) + 1;
  DBaseSelectCell(row, true);
}

bool TPhoneGrid::DBaseKeyDown(int virtualKey) {
  switch (virtualKey) {
    case VK_DELETE: BitBtnDeleteClick(); return true;
    case VK_INSERT: BitBtnInsertClick(); return true;
    case VK_F4: BitBtnEditClick(); return true;
    // Left and Right step the dialing procedure and never scroll.
    case VK_LEFT: owner_.StepProcedure(-1); return true;
    case VK_RIGHT: owner_.StepProcedure(+1); return true;
  }
  return false;
}

// ---- record commands -----------------------------------------------------------------

void TPhoneGrid::BitBtnSortClick() {
  int chosen = sortField_;
  const bool ok = ChooseSortField(MainWindow(), titles_, chosen);
  InvalidateRect(grid_.Handle(), nullptr, FALSE);
  FocusGrid();
  if (!ok) return;
  sortField_ = chosen;
  search_.Clear();
  SortAndFollow();
}

void TPhoneGrid::BitBtnEditClick() {
  const Record* selected = SelectedRecord();
  if (!selected) {  // the title row is never edited
    FocusGrid();
    return;
  }
  Record record = *selected;
  const bool ok = EditRecord(MainWindow(), "Edit Record", titles_, record);
  FocusGrid();
  if (!ok) return;
  records_[Selected() - 1] = record;
  SettleChangedRecord(Selected());
}

void TPhoneGrid::BitBtnInsertClick() {
  const Record* selected = SelectedRecord();
  InsertRecordDialog(selected ? *selected : Record{});
}

bool TPhoneGrid::InsertRecordDialog(const Record& initial) {
  if (!loaded_) {  // nothing to add to: the list of this database was never read
    FocusGrid();
    return false;
  }
  Record record = initial;
  const bool ok = EditRecord(MainWindow(), "Insert Record", titles_, record);
  FocusGrid();
  if (!ok) return false;
  records_.push_back(record);
  if (RecordRows() > 1) EnableDelete(true);
  SettleChangedRecord(RecordRows());
  return true;
}

void TPhoneGrid::SettleChangedRecord(int row) {
  const int sorted = SortRecords(records_, sortField_, row - 1) + 1;
  grid_.Select(sorted);
  grid_.Refresh();
  search_.Clear();
  owner_.ShowNumber(records_[sorted - 1].phone);
  Save();
}

// The last record is never deleted; the selection stays on its row, which
// then holds the next record (or the new last one).
void TPhoneGrid::BitBtnDeleteClick() {
  if (RecordRows() <= 1) {
    EnableDelete(false);
    FocusGrid();
    return;
  }
  if (SelectedRecord() && owner_.AskQuestion("Delete This Record ?")) {
    FocusGrid();
    const int row = Selected();
    records_.erase(records_.begin() + (row - 1));
    grid_.Select(row <= RecordRows() ? row : RecordRows());
    grid_.Refresh();
    Save();
  }
  FocusGrid();
  if (RecordRows() <= 1) EnableDelete(false);
}

}  // namespace tonvero
