#pragma once
// Sorting the phone list. Records are ordered by their sort key: the chosen
// column first, then the other three (first name, last name, phone, remarks
// in that order), joined by the byte 0x01 and compared byte by byte, so a
// column that is a prefix of another sorts first (SMITH before SMITHSON).
#include <array>
#include <string>
#include <vector>

#include "core/phonelist/phone_list.h"

namespace tonvero {

using SortKeys = std::array<int, kRecordFields>;

// The columns compared, in order of precedence, when sorting by `sortField`
// (1..4; any other value sorts by the first name).
SortKeys SortKeysFor(int sortField);

// The key columns of `record` joined by 0x01.
std::string SortKeyText(const Record& record, const SortKeys& keys);

// Sorts `records` by their key for `sortField`, smallest first, and returns
// the index that now holds the record that stood at `selected` (`selected`
// itself when it is no index of `records`). Records with equal keys are
// equal in all four fields; they may come in either order.
int SortRecords(std::vector<Record>& records, int sortField, int selected);

}  // namespace tonvero
