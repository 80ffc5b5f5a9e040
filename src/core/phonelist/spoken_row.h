#pragma once
// The phone list as a screen reader speaks it: each row named by its fields
// ("JOHN DOE, 905-555-1234, CELL"), the column titles as the list's header.
#include <array>
#include <string>

#include "core/phonelist/phone_list.h"

namespace tonvero {

// A row's four cells as the grid shows them: first name, last name, phone,
// remarks (or the four column titles).
using RowCells = std::array<std::string, kRecordFields>;

// The names joined by a space, then the phone and the remarks after commas;
// cells are trimmed and a blank cell is left out with its separator.
std::string SpokenRow(const RowCells& cells);
// The titles trimmed and joined by commas, blank ones left out.
std::string SpokenHeader(const RowCells& titles);

}  // namespace tonvero
