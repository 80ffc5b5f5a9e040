#include "core/phonelist/sort.h"

#include <algorithm>
#include <numeric>

#include "core/common/text.h"

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

namespace {

// Joined keys compare column by column, each column by its bytes, as long
// as no field holds a byte below the joining 0x01; a byte 0x00 or 0x01
// breaks that, and such lists are sorted on the joined keys themselves.
bool ComparableByColumns(const std::vector<Record>& records) {
  for (const Record& record : records) {
    for (int column = 1; column <= kRecordFields; ++column) {
      for (char c : FieldOf(record, column)) {
        if (c == '\0' || c == '\x01') return false;
      }
    }
  }
  return true;
}

std::vector<size_t> SortedOrder(const std::vector<Record>& records, const SortKeys& keys) {
  std::vector<size_t> order(records.size());
  std::iota(order.begin(), order.end(), size_t{0});
  if (ComparableByColumns(records)) {
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
      for (int key : keys) {
        const int byColumn = FieldOf(records[a], key).compare(FieldOf(records[b], key));
        if (byColumn != 0) return byColumn < 0;  // std::string compares bytes unsigned
      }
      return false;
    });
    return order;
  }
  std::vector<std::string> keyTexts;
  keyTexts.reserve(records.size());
  for (const Record& record : records) keyTexts.push_back(SortKeyText(record, keys));
  std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    return CompareBytes(keyTexts[a], keyTexts[b]) < 0;
  });
  return order;
}

}  // namespace

int SortRecords(std::vector<Record>& records, int sortField, int selected) {
  const std::vector<size_t> order = SortedOrder(records, SortKeysFor(sortField));
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
