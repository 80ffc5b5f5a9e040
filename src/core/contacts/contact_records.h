#pragma once
// Contacts exported by other programs (vCard and CSV files) as phone-list
// records: what "add from contacts" offers.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/code_page.h"
#include "core/contacts/contact.h"
#include "core/phonelist/phone_list.h"

namespace tonvero {

enum class ContactFormat { kVCard, kCsv };

// The format a file's extension names: ".vcf" or ".csv" in any case;
// nothing for any other.
std::optional<ContactFormat> ContactFormatOf(std::string_view path);

// "HOME", "WORK", "CELL", "FAX" or "OTHER".
const char* KindWord(PhoneKind kind);

// A record a contact gives, and whether its name was stored whole (every
// letter its own, none turned into a near one or "?").
struct ContactRecord {
  Record record;
  bool nameWhole = true;
  bool operator==(const ContactRecord&) const = default;
};

// One record per number, in order: first name, last name, the number and
// its kind word in the remarks, each normalised as the record dialog stores
// typed text, in the user's code page (CodePages::Store). The number is a
// "tel:" link read by ReadTelephoneLink or else text cleaned by
// CleanOutsideNumber, so that it dials every digit it shows; one refused
// (it holds no digit, say) gives no record. Control characters (a line
// break within a name, say) become spaces. Throws ContactFileError when the
// records would pass 32 MB.
std::vector<ContactRecord> RecordsFromContacts(const std::vector<Contact>& contacts, const CodePages& pages);

// Largest contact file read; a phone's export of thousands of contacts with
// their photos stays well below it.
constexpr uint64_t kMaxContactFileBytes = 64 << 20;
// Throws ContactFileError, saying why, for a file of more bytes.
void RequireContactFileSize(uint64_t bytes);

// The records of a whole contacts file. Throws ContactFileError, whose
// message is for the user, when the file cannot be read as `format` or is
// larger than kMaxContactFileBytes.
std::vector<ContactRecord> ReadContactRecords(std::string_view file, ContactFormat format,
                                              const CodePages& pages);

}  // namespace tonvero
