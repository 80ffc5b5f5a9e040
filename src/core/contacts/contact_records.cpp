#include "core/contacts/contact_records.h"

#include "core/common/code_page.h"
#include "core/contacts/contacts_csv.h"
#include "core/contacts/outside_number.h"
#include "core/contacts/vcard.h"
#include "core/common/text.h"

namespace tonvero {
namespace {

// A damaged file could repeat a long name for each of many numbers; rather
// than build records past this size, the file is refused.
constexpr size_t kMaxRecordBytes = 32 << 20;

// Field text in the program's code page, in capitals as the record dialog
// stores it (so that a contact already in the list is found), on one line:
// a line break or other control character inside a name would break the
// phone-list file, so each run of them becomes one space.
std::string FieldText(std::string_view utf8) {
  std::string text;
  bool control = false;
  for (const char c : UpperWindows1252(Utf8ToWindows1252(utf8))) {
    const bool wasControl = control;
    control = static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    if (!control) text += c;
    else if (!wasControl) text += ' ';
  }
  return text;
}

// The number as the list stores it: a link read as a link, any other text
// cleaned, so that every digit it shows is dialed; nothing when the text
// holds no number.
std::optional<std::string> ImportedNumber(std::string_view written) {
  std::optional<CleanedNumber> cleaned = ReadTelephoneLink(written);
  if (!cleaned) cleaned = CleanOutsideNumber(written);
  if (cleaned->Refused()) return std::nullopt;
  return FieldText(cleaned->number);
}

}  // namespace

std::optional<ContactFormat> ContactFormatOf(std::string_view path) {
  const size_t nameStart = path.find_last_of("\\/:") + 1;  // 0 when there is no folder
  const size_t dot = path.find_last_of('.');
  if (dot == std::string_view::npos || dot < nameStart) return std::nullopt;
  const std::string extension = UpperAscii(std::string(path.substr(dot)));
  if (extension == ".VCF") return ContactFormat::kVCard;
  if (extension == ".CSV") return ContactFormat::kCsv;
  return std::nullopt;
}

const char* KindWord(PhoneKind kind) {
  switch (kind) {
    case PhoneKind::kHome: return "HOME";
    case PhoneKind::kWork: return "WORK";
    case PhoneKind::kCell: return "CELL";
    case PhoneKind::kFax: return "FAX";
    default: return "OTHER";
  }
}

std::vector<Record> RecordsFromContacts(const std::vector<Contact>& contacts) {
  std::vector<Record> records;
  size_t bytes = 0;
  for (const Contact& contact : contacts) {
    const std::string first = FieldText(contact.first), last = FieldText(contact.last);
    for (const Phone& phone : contact.phones) {
      const std::optional<std::string> number = ImportedNumber(phone.number);
      if (!number) continue;
      bytes += first.size() + last.size() + number->size();
      if (bytes > kMaxRecordBytes) throw ContactFileError("The file holds more than a phone list can take.");
      records.push_back(RecordFromInput({first, last, *number, KindWord(phone.kind)}));
    }
  }
  return records;
}

std::vector<Record> ReadContactRecords(std::string_view file, ContactFormat format) {
  return RecordsFromContacts(format == ContactFormat::kVCard ? ReadVCards(file) : ReadContactsCsv(file));
}

}  // namespace tonvero
