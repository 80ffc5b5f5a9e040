#pragma once
// "Sync." and "Add" in the main window: the file dialog that chooses the
// other database, then the merge rules driven through the question box, the
// "DP Insert" dialog and the record dialog, on the lists of the procedure
// bar and the phone list.
#include <windows.h>

#include <functional>
#include <string>

#include "core/merge/merge.h"

namespace tonvero {

class TProcedureBar;
class TPhoneGrid;

struct MergeRooms {
  std::function<bool(const std::string&)> askQuestion;
  TProcedureBar& procedures;
  TPhoneGrid& phoneList;
};

// The whole command on the current database `dbBase`. `otherDbBase` is the
// database offered in the file dialog and becomes the one chosen there.
void MergeCommandClick(HWND owner, MergeKind kind, const std::string& dbBase,
                       std::string& otherDbBase, const MergeRooms& rooms);

}  // namespace tonvero
