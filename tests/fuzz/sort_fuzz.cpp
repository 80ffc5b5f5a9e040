// The phone list's sort and search against their straightforward versions:
// the input gives the sort column, the selected record, a search text and a
// list of records; the fast sort must give the same order of keys as the
// selection sort and follow the selected record, and the search must pick
// the record that trying each in turn picks.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "../core/phonelist/reference.h"
#include "core/phonelist/search.h"
#include "core/phonelist/sort.h"

namespace {

using tonvero::Record;

constexpr size_t kMostRecords = 200;  // the reference sort is quadratic

void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "broken: %s\n", what);
  std::abort();
}

// Bytes after the first three: one line is the search text, then one line
// per record of fields separated by tabs (taken as they are).
std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    const size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end - start));
    if (end == std::string::npos) return parts;
    start = end + 1;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const int sortField = 1 + data[0] % 4;
  const std::vector<std::string> lines =
      Split(std::string(reinterpret_cast<const char*>(data + 2), size - 2), '\n');
  const std::string searchText = lines.front();
  std::vector<Record> records;
  for (size_t i = 1; i < lines.size() && records.size() < kMostRecords; ++i) {
    const std::vector<std::string> fields = Split(lines[i], '\t');
    Record record;
    for (int column = 1; column <= tonvero::kRecordFields; ++column) {
      if (static_cast<size_t>(column) <= fields.size()) tonvero::FieldOf(record, column) = fields[column - 1];
    }
    records.push_back(record);
  }
  const int selected = records.empty() ? -1 : data[1] % static_cast<int>(records.size());

  const std::vector<Record> original = records;
  std::vector<Record> expected = records;
  const int followed = tonvero::SortRecords(records, sortField, selected);
  const int expectedFollowed = tonvero::reference::SelectionSort(expected, sortField, selected);
  Require(tonvero::reference::SortKeyTexts(records, sortField) ==
              tonvero::reference::SortKeyTexts(expected, sortField),
          "the order of keys is the selection sort's");
  if (selected >= 0) {
    Require(followed >= 0 && followed < static_cast<int>(records.size()), "the selection stays in the list");
    Require(records[followed] == original[selected], "the selection follows its record");
    Require(tonvero::SortKeyText(records[followed], tonvero::SortKeysFor(sortField)) ==
                tonvero::SortKeyText(expected[expectedFollowed], tonvero::SortKeysFor(sortField)),
            "the selection lands where the selection sort puts it");
  } else {
    Require(followed == selected, "no selection stays none");
  }

  Require(tonvero::FindSearchRow(records, sortField, searchText) ==
              tonvero::reference::LinearSearch(records, sortField, searchText),
          "the search picks the record that trying each in turn picks");
  return 0;
}
