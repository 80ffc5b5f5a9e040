#include "win32/phonelist/phone_list_panel.h"

#include <algorithm>

#include "core/common/text.h"
#include "core/phonelist/sort.h"
#include "win32/ui/control_ids.h"
#include "win32/phonelist/open_dialog.h"
#include "win32/phonelist/phone_list_file.h"
#include "win32/phonelist/record_dialog.h"
#include "win32/phonelist/sort_dialog.h"
#include "win32/ui/look.h"
#include "win32/ui/message_boxes.h"
#include "win32/ui/panel.h"

namespace tonvero {

PhoneListPanel::PhoneListPanel(Owner& owner, NumberDialer& dialer, ProcedureStepper& procedures)
    : owner_(owner), dialer_(dialer), procedures_(procedures), titles_(ParsePhoneList(NewPhoneListFileText()).titles) {}

namespace {

// The row of buttons over the grid, the credit line the grid lies over, and
// the grid last, so that it takes the focus in its order; places in the
// panel's client area.
std::vector<ControlSpec> Controls() {
  using look::kBoldFont;
  using look::kColouredButton;
  return {
      {IDC_SORT, "BUTTON", "Sort", 0, 0, 33, 22, kColouredButton, {}, CLR_INVALID,
       " Choose The Sorting Field "},
      {IDC_EDIT, "BUTTON", "Edit F4", 34, 0, 45, 22, kColouredButton, {}, CLR_INVALID,
       " Edit Current Record "},
      {IDC_INSERT, "BUTTON", "Insert", 80, 0, 37, 22, kColouredButton, {}, CLR_INVALID,
       " Insert A New Record "},
      {IDC_DELETE, "BUTTON", "Delete", 118, 0, 37, 22, kColouredButton, {}, CLR_INVALID,
       " Delete Current Record "},
      {IDC_FILE, "BUTTON", "Open", 156, 0, 33, 22, kColouredButton, {}, CLR_INVALID,
       " Open another DB File "},
      {IDC_PRINT, "BUTTON", "Print", 192, 0, 41, 22, kColouredButton, {}, CLR_INVALID, " Print Tonvero DB "},
      {IDC_SYNC, "BUTTON", "Sync.", 296, 0, 41, 22, kColouredButton, kBoldFont, CLR_INVALID,
       "Synchronization With Another DB File "},
      {IDC_ADD, "BUTTON", "Add", 344, 0, 41, 22, kColouredButton, kBoldFont, CLR_INVALID,
       " Adding Records From Another Tonvero DB "},
      {IDC_GRID, GridWindow::ClassName(), "", 0, 26, 385, 301,
       WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL | WS_CLIPSIBLINGS},
      {IDC_CREDIT, "STATIC", "Tonvero by Velmora", 88, 143, 100, 12, look::kLabel | WS_CLIPSIBLINGS,
       {"Small Fonts", 9, false}, look::kGrey},
  };
}

}  // namespace

void PhoneListPanel::Create(HWND parent, const RECT& place, Scale scale) {
  GridWindow::RegisterClass(reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE)));
  CreatePanel(parent, TONVERO_CLASS_PHONE_LIST_PANEL, IDC_PANEL_PHONE_LIST, place, Controls(), scale);
  grid_.Attach(Item(IDC_GRID), *this, *this, scale);
  EnableWindow(Item(IDC_PRINT), printer_.PrinterInstalled());
}

void PhoneListPanel::Layout(const RECT& place, Scale scale) {
  PlacePanelAndForm(place, Controls(), scale);
  grid_.SetScale(scale);
}

LRESULT PhoneListPanel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) {
    OnCommand(LOWORD(wParam));
    return 0;
  }
  return HandleRest(message, wParam, lParam);
}

void PhoneListPanel::ShowGrid(bool shown) { ShowWindow(grid_.Handle(), shown ? SW_SHOW : SW_HIDE); }

void PhoneListPanel::Print() {
  PrintJob job;
  job.caption = WindowText(TopWindow(hwnd_));
  job.records = records_;
  job.sortField = sortField_;
  printer_.Print(TopWindow(hwnd_), std::move(job));
}

void PhoneListPanel::Focus() const { SetFocus(grid_.Handle()); }

namespace {

RECT ScreenPlace(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return r;
}

void SetHeight(HWND window, int width, int height) {
  SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void PhoneListPanel::GiveWay(int screenTop) {
  const RECT place = ScreenPlace(grid_.Handle());
  fullHeight_ = place.bottom - place.top;
  grid_.ShowScrollBar(false);
  SetHeight(grid_.Handle(), place.right - place.left, screenTop - place.top - form_.Scaling()(2));
}

void PhoneListPanel::TakeBackRoom() {
  const RECT place = ScreenPlace(grid_.Handle());
  SetHeight(grid_.Handle(), place.right - place.left, fullHeight_);
  grid_.ShowScrollBar(true);
}

void PhoneListPanel::EnableDelete(bool enable) const {
  EnableWindow(Item(IDC_DELETE), enable);
}

void PhoneListPanel::OnCommand(int id) {
  switch (id) {
    case IDC_SORT: ChooseSortColumn(); break;
    case IDC_EDIT: EditSelected(); break;
    case IDC_INSERT: InsertRecord(); break;
    case IDC_DELETE: DeleteSelected(); break;
    case IDC_FILE: OpenDatabase(); break;
    case IDC_PRINT: Print(); break;
    case IDC_SYNC: owner_.MergeAnotherDatabase(MergeKind::kSync); break;
    case IDC_ADD: owner_.MergeAnotherDatabase(MergeKind::kAdd); break;
  }
}

std::string PhoneListPanel::NameOfSelected(const std::string& number) const {
  const Record* record = SelectedRecord();
  if (!record || record->phone != number) return "";
  return TrimSpaces(TrimSpaces(record->first) + ' ' + TrimSpaces(record->last));
}

const Record* PhoneListPanel::SelectedRecord() const {
  const int row = Selected();
  return row >= 1 && row <= RecordRows() ? &records_[row - 1] : nullptr;
}

// ---- file ------------------------------------------------------------------------

bool PhoneListPanel::Load(const std::string& dbBase) {
  std::optional<PhoneListFile> file;
  try {
    file = LoadPhoneListFile(dbBase, &stamp_);
  } catch (const IoError& failure) {
    if (!loaded_) readFailure_ = failure;
    throw;
  }
  if (!file) return false;
  readFailure_.reset();
  titles_ = std::move(file->titles);
  records_ = std::move(file->records);
  addedUnsaved_.clear();
  loaded_ = true;
  sortField_ = 1;
  search_.Clear();
  // The selection keeps its row where the new list has one: choosing the
  // first record afterwards shows its phone only when the row changes.
  grid_.Select(records_.empty() ? 0 : std::clamp(Selected(), 1, RecordRows()));
  grid_.Refresh();
  SetWindowTextA(TopWindow(hwnd_), DatabaseCaption(dbBase).c_str());
  return true;
}

std::optional<IoError> PhoneListPanel::ReadFailure() const {
  if (loaded_) return std::nullopt;
  // A list that could not be made is not there at all.
  return readFailure_ ? readFailure_ : IoError(kFileNotFound);
}

void PhoneListPanel::SaveChanges(std::vector<ListChange<Record>> changes) {
  if (!loaded_) return;
  // Records a merge added since the last save are insertions too.
  for (const Record& added : addedUnsaved_) changes.push_back({ChangeKind::kInsert, {}, added});
  if (PhoneListFileChanged(owner_.DatabaseBase(), stamp_)) ReadAgainAndApply(changes);
  else stamp_ = SavePhoneListFile(owner_.DatabaseBase(), titles_, records_);
  addedUnsaved_.clear();
}

// The list as the other program left it, sorted as it was shown, with the
// changed record selected where it stands. Changes that cannot be applied
// leave the file as the other program wrote it.
void PhoneListPanel::ReadAgainAndApply(const std::vector<ListChange<Record>>& changes) {
  const std::string& dbBase = owner_.DatabaseBase();
  std::optional<PhoneListFile> file = LoadPhoneListFile(dbBase, &stamp_);
  if (!file) return;  // gone and not to be made again: the next save writes it
  titles_ = std::move(file->titles);
  records_ = std::move(file->records);
  std::vector<std::string> lost;
  int row = std::clamp(Selected(), 1, std::max(RecordRows(), 1));
  for (const ListChange<Record>& change : changes) {
    if (!ApplyAgain(records_, change)) {
      const Record& named = change.kind == ChangeKind::kInsert ? change.after : change.before;
      lost.push_back(DescribeChange(change.kind, RecordSummary(named)));
    } else if (change.kind != ChangeKind::kDelete) {
      row = static_cast<int>(std::find(records_.begin(), records_.end(), change.after) - records_.begin()) + 1;
    }
  }
  const int sorted = records_.empty() ? 0 : SortRecords(records_, sortField_, row - 1) + 1;
  grid_.Select(sorted);
  grid_.Refresh();
  if (sorted > 0) dialer_.ShowNumber(records_[sorted - 1].phone);
  EnableDelete(RecordRows() > 1);
  if (lost.size() < changes.size()) stamp_ = SavePhoneListFile(dbBase, titles_, records_);
  ShowNotice(TopWindow(hwnd_), ReadAgainNotice("phone list", "record", lost));
  Focus();
}

void PhoneListPanel::SaveTo(const std::string& dbBase) const {
  SavePhoneListFile(dbBase, titles_, records_);
}

void PhoneListPanel::SortAndFollow() {
  const int row = SortRecords(records_, sortField_, Selected() - 1) + 1;
  grid_.Refresh();
  SelectRow(row, false);
}

void PhoneListPanel::SortAndSelectFirst() {
  SortRecords(records_, sortField_, -1);
  grid_.Refresh();
  if (!records_.empty()) SelectRow(1, false);
}

// "Open": the chosen file names the database; its list and procedures are
// loaded, and the previous ones stay when the list cannot be loaded.
void PhoneListPanel::OpenDatabase() {
  const std::optional<std::string> chosen =
      ChooseDatabaseFile(TopWindow(hwnd_), "Open Tonvero DB", owner_.DatabaseBase() + ".rbd");
  // The grid has the focus also when loading fails and the failure is shown.
  Focus();
  if (!chosen) return;
  const std::string dbBase = StripExtension(*chosen);
  if (!Load(dbBase)) return;
  owner_.DatabaseOpened(dbBase);
  SortAndSelectFirst();
  InvalidateRect(grid_.Handle(), nullptr, FALSE);
}

// ---- the grid's cells and events ----------------------------------------------------

std::string PhoneListPanel::CellText(int row, int column) const {
  if (column == 0) return row == 0 ? "N" : std::to_string(row);
  if (row == 0) return titles_[column - 1];
  return FieldOf(records_[row - 1], column);
}

CellLook PhoneListPanel::Look(int row, int column, int selectedRow) const {
  return LookOf(records_, row, column, selectedRow, sortField_);
}

// A row becomes selected: its phone goes to the dialer screen. Only the
// search's own moves keep the search text.
void PhoneListPanel::SelectRow(int row, bool bySearch) {
  if (row < 1 || row > RecordRows()) return;
  if (!bySearch) search_.Clear();
  if (row == Selected()) return;
  grid_.Select(row);
  dialer_.ShowNumber(records_[row - 1].phone);
}

void PhoneListPanel::DialSelected() {
  search_.Clear();
  const Record* record = SelectedRecord();
  if (!record) return;  // no record: nothing to dial
  dialer_.ShowNumber(record->phone);
  dialer_.Dial();
}

void PhoneListPanel::OnCharTyped(char typed) {
  if (typed == '\r') {
    DialSelected();
    return;
  }
  if (!search_.Type(typed) || search_.Text().empty()) return;
  const int row = FindSearchRow(records_, sortField_, search_.Text()) + 1;
  SelectRow(row, true);
}

bool PhoneListPanel::OnKey(int virtualKey) {
  switch (virtualKey) {
    case VK_DELETE: DeleteSelected(); return true;
    case VK_INSERT: InsertRecord(); return true;
    case VK_F4: EditSelected(); return true;
    // Left and Right step the dialing procedure and never scroll.
    case VK_LEFT: procedures_.StepPrevious(); return true;
    case VK_RIGHT: procedures_.StepNext(); return true;
  }
  return false;
}

// ---- record commands -----------------------------------------------------------------

void PhoneListPanel::ChooseSortColumn() {
  int chosen = sortField_;
  const bool ok = ChooseSortField(TopWindow(hwnd_), titles_, chosen);
  InvalidateRect(grid_.Handle(), nullptr, FALSE);
  Focus();
  if (!ok) return;
  sortField_ = chosen;
  search_.Clear();
  SortAndFollow();
}

void PhoneListPanel::EditSelected() {
  const Record* selected = SelectedRecord();
  if (!selected) {  // the title row is never edited
    Focus();
    return;
  }
  Record record = *selected;
  const bool ok = EditRecord(TopWindow(hwnd_), "Edit Record", titles_, record);
  Focus();
  if (!ok) return;
  const ListChange<Record> change{ChangeKind::kEdit, records_[Selected() - 1], record};
  records_[Selected() - 1] = record;
  SettleChangedRecord(Selected(), change);
}

void PhoneListPanel::InsertRecord() {
  const Record* selected = SelectedRecord();
  InsertRecordDialog(selected ? *selected : Record{});
}

bool PhoneListPanel::InsertRecordDialog(const Record& initial) {
  if (!loaded_) {  // nothing to add to: the list of this database was never read
    Focus();
    return false;
  }
  Record record = initial;
  const bool ok = EditRecord(TopWindow(hwnd_), "Insert Record", titles_, record);
  Focus();
  if (!ok) return false;
  records_.push_back(record);
  if (RecordRows() > 1) EnableDelete(true);
  SettleChangedRecord(RecordRows(), {ChangeKind::kInsert, {}, record});
  return true;
}

void PhoneListPanel::AddRecords(const std::vector<Record>& records) {
  if (!loaded_) return;
  records_.insert(records_.end(), records.begin(), records.end());
  addedUnsaved_.insert(addedUnsaved_.end(), records.begin(), records.end());
  if (RecordRows() > 1) EnableDelete(true);
  search_.Clear();
}

void PhoneListPanel::SettleChangedRecord(int row, const ListChange<Record>& change) {

  const int sorted = SortRecords(records_, sortField_, row - 1) + 1;
  grid_.Select(sorted);
  grid_.Refresh();
  search_.Clear();
  dialer_.ShowNumber(records_[sorted - 1].phone);
  SaveChanges({change});
}

// The last record is never deleted; the selection stays on its row, which
// then holds the next record (or the new last one).
void PhoneListPanel::DeleteSelected() {
  if (RecordRows() <= 1) {
    EnableDelete(false);
    Focus();
    return;
  }
  if (SelectedRecord() && AskYesNo(TopWindow(hwnd_), "Delete This Record ?")) {
    Focus();
    const int row = Selected();
    const ListChange<Record> change{ChangeKind::kDelete, records_[row - 1], {}};
    records_.erase(records_.begin() + (row - 1));
    grid_.Select(row <= RecordRows() ? row : RecordRows());
    grid_.Refresh();
    SaveChanges({change});
  }
  Focus();
  if (RecordRows() <= 1) EnableDelete(false);
}

}  // namespace tonvero
