#include "core/contacts/contact.h"

#include "core/common/text.h"

namespace tonvero {

PhoneKind KindOfLabel(std::string_view label) {
  bool fax = false, cell = false, work = false, home = false;
  std::string word;
  const std::string upper = UpperAscii(std::string(label)) + ' ';
  for (const char c : upper) {
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
      word += c;
      continue;
    }
    fax = fax || word == "FAX" || word == "FACSIMILE";
    cell = cell || word == "CELL" || word == "MOBILE" || word == "IPHONE";
    work = work || word == "WORK" || word == "BUSINESS" || word == "COMPANY";
    home = home || word == "HOME";
    word.clear();
  }
  if (fax) return PhoneKind::kFax;
  if (cell) return PhoneKind::kCell;
  if (work) return PhoneKind::kWork;
  if (home) return PhoneKind::kHome;
  return PhoneKind::kOther;
}

std::string_view TrimBlanks(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::pair<std::string, std::string> SplitFullName(std::string_view name) {
  name = TrimBlanks(name);
  const size_t space = name.find_last_of(' ');
  if (space == std::string_view::npos) return {std::string(name), ""};
  return {std::string(TrimBlanks(name.substr(0, space))), std::string(name.substr(space + 1))};
}

}  // namespace tonvero
