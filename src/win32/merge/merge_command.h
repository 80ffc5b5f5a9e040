#pragma once
// "Sync." and "Add" in the main window: the file dialog that chooses the
// other database, then the merge rules driven through the question box, the
// "DP Insert" dialog and the record dialog, on the lists of the procedure
// bar and the phone list.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "core/app/io_error.h"
#include "core/merge/merge.h"
#include "core/phonelist/phone_list.h"
#include "core/procedures/procedure_list.h"

namespace tonvero {

// The current database's procedure list as a merge sees it: read, replaced
// by the merged list (shown anew with DEFAULT selected), and saved.
class MergeProcedures {
 public:
  virtual ~MergeProcedures() = default;
  // Why the list holds DEFAULT alone: its file could not be read.
  virtual const std::optional<IoError>& ReadFailure() const = 0;
  virtual const ProcedureList& List() const = 0;
  virtual void ReplaceList(ProcedureList list) = 0;
  virtual void Save() = 0;
};

// The current database's phone list as a merge sees it.
class MergeRecords {
 public:
  virtual ~MergeRecords() = default;
  virtual std::optional<IoError> ReadFailure() const = 0;
  virtual const std::vector<Record>& Records() const = 0;
  // The record dialog as "Insert Record" with `initial`; true when added.
  virtual bool InsertRecordDialog(const Record& initial) = 0;
  virtual void Save() const = 0;
  virtual void SaveTo(const std::string& dbBase) const = 0;
  virtual void SortAndSelectFirst() = 0;
  virtual void Focus() const = 0;
};

// The lists a merge works on: the current database's, with their saves.
struct MergeRooms {
  MergeProcedures& procedures;
  MergeRecords& phoneList;
};

// The whole command on the current database `dbBase`. `otherDbBase` is the
// database offered in the file dialog and becomes the one chosen there.
void RunMerge(HWND owner, MergeKind kind, const std::string& dbBase, std::string& otherDbBase,
              const MergeRooms& rooms);

}  // namespace tonvero
