#pragma once
// Reading contacts exported as comma-separated values by Google Contacts,
// Outlook and the programs that copy their columns.
#include <string_view>
#include <vector>

#include "core/common/code_page.h"
#include "core/contacts/contact.h"

namespace tonvero {

// One contact per row after the header row, which names the columns (in any
// case, blanks around them ignored). Names come from "First Name" or "Given
// Name" and "Last Name" or "Family Name", or else from "Name" cut at its last
// space. Numbers come from the "Phone N - Value" columns, of the kind their
// "Phone N - Type" (or "- Label") column names, several in one value
// separated by ":::"; and from Outlook's phone and fax columns, of the kind
// the column's name says. A file that starts with a UTF-8 byte-order mark,
// or is well-formed UTF-8, is read as UTF-8; any other in the user's code
// page. Throws ContactFileError when the header names no phone column or a
// quoted field is not closed.
std::vector<Contact> ReadContactsCsv(std::string_view bytes, const CodePages& pages);

}  // namespace tonvero
