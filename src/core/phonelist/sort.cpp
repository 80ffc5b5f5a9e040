#include "core/phonelist/sort.h"

#include <algorithm>
#include <numeric>

#include "core/phonelist/fields.h"

namespace tonvero {

SortKeys SortKeysFor(int sortField) {
  switch (sortField) {
    case 2: return {2, 1, 3, 4};
    case 3: return {3, 1, 2, 4};
    case 4: return {4, 1, 2, 3};
    default: return {1, 2, 3, 4};
  }
}

std::string SortKeyText(const Record& record, const SortKeys& keys) {
  std::string key = FieldOf(record, keys[0]);
  for (size_t i = 1; i < keys.size(); ++i) {
    key += '\x01';
    key += FieldOf(record, keys[i]);
  }
  return key;
}

int SortRecords(std::vector<Record>& records, int sortField, int selected) {
  const SortKeys keys = SortKeysFor(sortField);
  std::vector<std::string> keyTexts;
  keyTexts.reserve(records.size());
  for (const Record& record : records) keyTexts.push_back(SortKeyText(record, keys));

  // Sort positions by key, each key built once, then move the records.
  std::vector<size_t> order(records.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    return CompareBytes(keyTexts[a], keyTexts[b]) < 0;
  });

  std::vector<Record> sorted;
  sorted.reserve(records.size());
  int followed = selected;
  for (size_t position = 0; position < order.size(); ++position) {
    if (static_cast<int>(order[position]) == selected) followed = static_cast<int>(position);
    sorted.push_back(std::move(records[order[position]]));
  }
  records = std::move(sorted);
  return followed;
}

}  // namespace tonvero
