#pragma once
// What a start works with, decided before any file is read: the program's
// folder, the database, and the number a tel: or callto: link brings.
#include <optional>
#include <string>

#include "core/contacts/outside_number.h"

namespace tonvero {

struct StartPlan {
  std::string folder;  // the working folder, ending with a backslash
  std::string dbBase;  // the database without extension; the other database at first too
  std::optional<CleanedNumber> link;  // a link's number, or why it has none
};

// A link brings a number to dial; any other argument names the database,
// cut before its extension; without one the database is "Base" in the
// working folder.
StartPlan PlanStart(const std::string& workingFolder, const std::string& argument);

}  // namespace tonvero
