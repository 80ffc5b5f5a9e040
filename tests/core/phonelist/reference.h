#pragma once
// Straightforward versions of the phone list's sort and search, to check the
// fast ones against: the selection sort that finds the smallest key from
// each row on (the earliest of equal keys) and follows the selection, and
// the search that tries each record in turn.
#include <string>
#include <utility>
#include <vector>

#include "core/common/text.h"
#include "core/phonelist/phone_list.h"
#include "core/phonelist/sort.h"

namespace tonvero::reference {

inline int SelectionSort(std::vector<Record>& records, int sortField, int selected) {
  const SortKeys keys = SortKeysFor(sortField);
  const int count = static_cast<int>(records.size());
  for (int i = 0; i < count; ++i) {
    int smallest = i;
    for (int r = i + 1; r < count; ++r) {
      if (CompareBytes(SortKeyText(records[r], keys), SortKeyText(records[smallest], keys)) < 0) {
        smallest = r;
      }
    }
    if (smallest == i) continue;
    if (smallest == selected) selected = i;
    else if (i == selected) selected = smallest;
    std::swap(records[i], records[smallest]);
  }
  return selected;
}

inline int LinearSearch(const std::vector<Record>& records, int sortField, const std::string& text) {
  for (size_t r = 0; r < records.size(); ++r) {
    if (CompareBytes(text, FieldOf(records[r], sortField)) <= 0) return static_cast<int>(r);
  }
  return static_cast<int>(records.size()) - 1;
}

inline std::vector<std::string> SortKeyTexts(const std::vector<Record>& records, int sortField) {
  std::vector<std::string> keys;
  for (const Record& record : records) keys.push_back(SortKeyText(record, SortKeysFor(sortField)));
  return keys;
}

}  // namespace tonvero::reference
