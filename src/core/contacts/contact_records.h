#pragma once
// Contacts exported by other programs (vCard and CSV files) as phone-list
// records: what "add from contacts" offers.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/contacts/contact.h"
#include "core/phonelist/phone_list.h"

namespace tonvero {

enum class ContactFormat { kVCard, kCsv };

// The format a file's extension names: ".vcf" or ".csv" in any case;
// nothing for any other.
std::optional<ContactFormat> ContactFormatOf(std::string_view path);

// "HOME", "WORK", "CELL", "FAX" or "OTHER".
const char* KindWord(PhoneKind kind);

// One record per number, in order: first name, last name, the number and
// its kind word in the remarks, each normalised as the record dialog stores
// typed text and turned from UTF-8 into Windows-1252. The number is a
// "tel:" link read by ReadTelephoneLink or else text cleaned by
// CleanOutsideNumber, so that it dials every digit it shows; one refused
// (it holds no digit, say) gives no record. Control characters (a line
// break within a name, say) become spaces. Throws ContactFileError when the records
// would pass 32 MB.
std::vector<Record> RecordsFromContacts(const std::vector<Contact>& contacts);

// The records of a whole contacts file. Throws ContactFileError, whose
// message is for the user, when the file cannot be read as `format`.
std::vector<Record> ReadContactRecords(std::string_view file, ContactFormat format);
inline std::vector<Record> ReadContactRecords(const std::vector<uint8_t>& file, ContactFormat format) {
  const std::string_view text(reinterpret_cast<const char*>(file.data()), file.size());
  return ReadContactRecords(text, format);
}

}  // namespace tonvero
