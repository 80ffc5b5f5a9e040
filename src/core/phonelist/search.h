#pragma once
// The type-ahead search of the phone list: typed characters collect into a
// search text, and the list jumps to the first record of the sort column
// that is not below it.
#include <string>
#include <vector>

#include "core/phonelist/phone_list.h"

namespace tonvero {

// The index of the first record whose column `sortField` is not below
// `text` byte by byte; the last record when every one is below;
// -1 when there is no record. `records` must be in the order SortRecords
// gives for `sortField`.
int FindSearchRow(const std::vector<Record>& records, int sortField, const std::string& text);

// The text typed so far for the search.
class SearchText {
 public:
  // Takes one typed character: Backspace takes back the last character,
  // other control characters are ignored, anything else is appended in
  // capitals. Returns true when the text changed.
  bool Type(char typed);
  void Clear() { text_.clear(); }
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

}  // namespace tonvero
