#pragma once
// "Sync." and "Add" in the main window: the file dialog that chooses the
// other database, then the merge rules driven through the question box, the
// "DP Insert" dialog and the record dialog, on the lists of the procedure
// bar and the phone list.
#include <windows.h>

#include <string>

#include "core/merge/merge.h"
#include "core/merge/merge_lists.h"

namespace tonvero {

// The lists a merge works on: the current database's, with their saves.
struct MergeRooms {
  MergeProcedures& procedures;
  MergeRecords& phoneList;
};

// The whole command on the current database `dbBase`. `otherDbBase` is the
// database offered in the file dialog; returns the one chosen there, or
// `otherDbBase` when none was.
std::string RunMerge(HWND owner, MergeKind kind, const std::string& dbBase, const std::string& otherDbBase,
                     const MergeRooms& rooms);

}  // namespace tonvero
