#pragma once
// Records as one short text for the tables: fields joined by "|", records by "/".
#include <string>
#include <vector>

#include "core/phonelist/phone_list.h"

namespace tonvero {

inline std::string RecordsText(const std::vector<Record>& records) {
  std::string text;
  for (const Record& r : records) {
    text += (text.empty() ? "" : "/") + r.first + '|' + r.last + '|' + r.phone + '|' + r.remarks;
  }
  return text;
}

}  // namespace tonvero
