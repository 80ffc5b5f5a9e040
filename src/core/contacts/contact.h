#pragma once
// Contacts as address books and phones export them (vCard, CSV), before they
// become phone-list records. Texts are UTF-8, as those files hold them.
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tonvero {

enum class PhoneKind { kHome, kWork, kCell, kFax, kOther };

struct Phone {
  std::string number;
  PhoneKind kind = PhoneKind::kOther;
  bool operator==(const Phone&) const = default;
};

struct Contact {
  std::string first, last;
  std::vector<Phone> phones;
  bool operator==(const Contact&) const = default;
};

// A contacts file that cannot be read; the message tells the user why.
class ContactFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The kind a label names, such as "work,fax", "HOME;VOICE" or "Mobile
// Phone": its words in any case, where fax wins over cell, cell over work and
// work over home. A label naming none of them is other.
PhoneKind KindOfLabel(std::string_view label);

// Without spaces and tabs at either end.
std::string_view TrimBlanks(std::string_view text);

// A full name cut at its last space into first and last name; a name of one
// word is all first name.
std::pair<std::string, std::string> SplitFullName(std::string_view name);

}  // namespace tonvero
