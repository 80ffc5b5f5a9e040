#include "core/common/list_change.h"

namespace tonvero {

std::string ReadAgainNotice(const std::string& list, const std::string& item,
                            const std::vector<std::string>& lost) {
  std::string notice = "The " + list + " had been changed by another program and was read again.";
  if (lost.empty()) return notice;
  notice += "\nNot applied, as the " + item + " is no longer there:";
  for (const std::string& change : lost) notice += "\n" + change;
  return notice;
}

std::string DescribeChange(ChangeKind kind, const std::string& itemText) {
  switch (kind) {
    case ChangeKind::kInsert: return "Insert of " + itemText;
    case ChangeKind::kEdit: return "Edit of " + itemText;
    case ChangeKind::kDelete: return "Delete of " + itemText;
  }
  return itemText;
}

}  // namespace tonvero
