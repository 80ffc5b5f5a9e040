#pragma once
// Reading vCard files (versions 2.1, 3.0 and 4.0) as phones and address
// books write them.
#include <string_view>
#include <vector>

#include "core/common/code_page.h"
#include "core/contacts/contact.h"

namespace tonvero {

// Every card of the text, in file order, with its name and telephone
// numbers as written (a "tel:" URI whole); other properties are skipped. A
// card with no name parts takes its formatted name (FN) cut at the last
// space. Names are read in their CHARSET= (versions 2.1 and 3.0), or else as
// UTF-8 when they are well-formed UTF-8 and otherwise in the user's code
// page; version 4.0 is UTF-8 alone. Throws ContactFileError when the text
// holds no card or ends inside one.
std::vector<Contact> ReadVCards(std::string_view text, const CodePages& pages);

}  // namespace tonvero
