#pragma once
// The two lists of the current database that "Sync." and "Add" change, as
// the rooms that own them offer them to a merge: read, changed, saved.
#include <optional>
#include <string>
#include <vector>

#include "core/app/io_error.h"
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
  // Appends records as they are, unsorted and unsaved.
  virtual void AddRecords(const std::vector<Record>& records) = 0;
  virtual void Save() = 0;
  virtual void SaveTo(const std::string& dbBase) const = 0;
  virtual void SortAndSelectFirst() = 0;
  virtual void Focus() const = 0;
};

}  // namespace tonvero
