#include "core/contacts/contact_records.h"

#include "core/contacts/contacts_csv.h"
#include "core/contacts/outside_number.h"
#include "core/contacts/vcard.h"
#include "core/common/text.h"

namespace tonvero {
namespace {

// A damaged file could repeat a long name for each of many numbers; rather
// than build records past this size, the file is refused.
constexpr size_t kMaxRecordBytes = 32 << 20;

// Field text as the record dialog stores it (so that a contact already in
// the list is found), on one line: a line break or other control character
// inside a name would break the phone-list file, so each run of them
// becomes one space.
StoredText FieldText(std::string_view utf8, const CodePages& pages) {
  StoredText stored = StoreUtf8(utf8, pages);
  std::string text;
  bool control = false;
  for (const char c : stored.text) {
    const bool wasControl = control;
    control = static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    if (!control) text += c;
    else if (!wasControl) text += ' ';
  }
  stored.text = std::move(text);
  return stored;
}

// The number as the list stores it: a link read as a link, any other text
// cleaned, so that every digit it shows is dialed; nothing when the text
// holds no number.
std::optional<std::string> ImportedNumber(std::string_view written, const CodePages& pages) {
  std::optional<CleanedNumber> cleaned = ReadTelephoneLink(written);
  if (!cleaned) cleaned = CleanOutsideNumber(written);
  if (cleaned->Refused()) return std::nullopt;
  return FieldText(cleaned->number, pages).text;
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

std::vector<ContactRecord> RecordsFromContacts(const std::vector<Contact>& contacts, const CodePages& pages) {
  std::vector<ContactRecord> records;
  size_t bytes = 0;
  for (const Contact& contact : contacts) {
    const StoredText first = FieldText(contact.first, pages), last = FieldText(contact.last, pages);
    for (const Phone& phone : contact.phones) {
      const std::optional<std::string> number = ImportedNumber(phone.number, pages);
      if (!number) continue;
      bytes += first.text.size() + last.text.size() + number->size();
      if (bytes > kMaxRecordBytes) throw ContactFileError("The file holds more than a phone list can take.");
      records.push_back({RecordFromInput({first.text, last.text, *number, KindWord(phone.kind)}),
                         first.whole && last.whole});
    }
  }
  return records;
}

void RequireContactFileSize(uint64_t bytes) {
  if (bytes > kMaxContactFileBytes) {
    throw ContactFileError("The file is larger than 64 MB, more than a contact export holds.");
  }
}

std::vector<ContactRecord> ReadContactRecords(std::string_view file, ContactFormat format,
                                              const CodePages& pages) {
  RequireContactFileSize(file.size());
  return RecordsFromContacts(
      format == ContactFormat::kVCard ? ReadVCards(file, pages) : ReadContactsCsv(file, pages), pages);
}

}  // namespace tonvero
