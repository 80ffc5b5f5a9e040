#include "core/phonelist/search.h"

#include <algorithm>

#include "core/common/text.h"

namespace tonvero {
namespace {

// Stored fields hold no small letters, so the typed text, in capitals,
// compares with them as they are.
bool NotBelow(const Record& record, int sortField, const std::string& text) {
  return CompareBytes(text, FieldOf(record, sortField)) <= 0;
}

// Keys join their columns with 0x01, so a column that goes on past another
// with a byte 0x00 or 0x01 sorts before it; only a text holding such a byte
// can fall between the two. Such a text is searched record by record.
bool SafeForBisection(const std::string& text) {
  return std::none_of(text.begin(), text.end(), [](char c) { return c == '\0' || c == '\x01'; });
}

}  // namespace

int FindSearchRow(const std::vector<Record>& records, int sortField, const std::string& text) {
  if (records.empty()) return -1;
  auto found = records.end();
  if (SafeForBisection(text)) {
    found = std::partition_point(records.begin(), records.end(), [&](const Record& record) {
      return !NotBelow(record, sortField, text);
    });
  } else {
    found = std::find_if(records.begin(), records.end(), [&](const Record& record) {
      return NotBelow(record, sortField, text);
    });
  }
  if (found == records.end()) --found;
  return static_cast<int>(found - records.begin());
}

bool SearchText::Type(char typed) {
  constexpr char kBackspace = '\b';
  if (typed == kBackspace) {
    if (text_.empty()) return false;
    text_.pop_back();
    return true;
  }
  const auto byte = static_cast<unsigned char>(typed);
  if (byte < 0x20 || byte == 0x7F) return false;
  text_ += UpperAscii(std::string(1, typed));
  return true;
}

}  // namespace tonvero
