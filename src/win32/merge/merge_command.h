#pragma once
// "Sync." and "Add" in the main window: the file dialog that chooses the
// other database, then the merge rules driven through the question box, the
// "DP Insert" dialog and the record dialog, on the lists of the procedure
// bar and the phone list.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/merge/merge.h"

namespace tonvero {

class TProcedureBar;

// What the merge borrows from the phone list's room.
class MergePhoneListTarget {
 public:
  virtual ~MergePhoneListTarget() = default;
  virtual std::vector<Record>& Records() = 0;
  // The record dialog opened as "Insert Record" on `record`: the fields as
  // accepted, or nothing for Cancel.
  virtual std::optional<std::array<std::string, kRecordFields>> InsertRecordDialog(const Record& record) = 0;
  virtual void SaveTo(const std::string& dbBase) = 0;
  virtual void Sort() = 0;
  // After a merge: the list shown anew with row 1 selected, the type-ahead
  // search reset.
  virtual void ShowMerged() = 0;
};

struct MergeRooms {
  std::function<bool(const std::string&)> askQuestion;
  TProcedureBar& procedures;
  MergePhoneListTarget& phoneList;
  HWND grid;  // gets the focus when the command ends
};

// The whole command. `otherDbBase` is the database offered in the file
// dialog and becomes the one chosen there.
void MergeCommandClick(HWND owner, MergeKind kind, const std::string& dbBase,
                       std::string& otherDbBase, const MergeRooms& rooms);

}  // namespace tonvero
