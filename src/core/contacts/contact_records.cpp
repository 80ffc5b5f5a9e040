#include "core/contacts/contact_records.h"

#include "core/common/code_page.h"
#include "core/contacts/contacts_csv.h"
#include "core/contacts/vcard.h"
#include "core/phonelist/fields.h"

namespace tonvero {
namespace {

// Field text in the program's code page, on one line: a line break or other
// control character inside a name would break the phone-list file, so each
// run of them becomes one space.
std::string FieldText(std::string_view utf8) {
  std::string text;
  bool control = false;
  for (const char c : Utf8ToWindows1252(utf8)) {
    const bool wasControl = control;
    control = static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    if (!control) text += c;
    else if (!wasControl) text += ' ';
  }
  return text;
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
  for (const Contact& contact : contacts) {
    for (const Phone& phone : contact.phones) {
      const std::string number = FieldText(phone.number);
      if (TrimField(number) == " ") continue;
      records.push_back(RecordFromInput(
          {FieldText(contact.first), FieldText(contact.last), number, KindWord(phone.kind)}));
    }
  }
  return records;
}

std::vector<Record> ReadContactRecords(std::string_view file, ContactFormat format) {
  return RecordsFromContacts(format == ContactFormat::kVCard ? ReadVCards(file) : ReadContactsCsv(file));
}

}  // namespace tonvero
