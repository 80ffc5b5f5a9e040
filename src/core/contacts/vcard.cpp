#include "core/contacts/vcard.h"

#include <optional>
#include <string>
#include <tuple>

#include "core/common/code_page.h"
#include "core/common/lines.h"
#include "core/common/text.h"

namespace tonvero {
namespace {

constexpr auto npos = std::string_view::npos;

// The part of a content line before its colon: "[group.]NAME[;param...]".
struct Head {
  std::string name;   // upper case, without the group
  std::string types;  // the type parameters, joined by commas
  bool quotedPrintable = false;
  std::optional<unsigned> codePage;  // of a CHARSET= the system knows
};

size_t FindUnquoted(std::string_view text, char wanted, size_t from = 0) {
  bool quoted = false;
  for (size_t i = from; i < text.size(); ++i) {
    if (text[i] == '"') quoted = !quoted;
    else if (text[i] == wanted && !quoted) return i;
  }
  return npos;
}

// Types come as "TYPE=a,b", "TYPE=\"a,b\"", repeated TYPE= parameters, or
// in version 2.1 as bare words ("TEL;HOME;VOICE"); all of them are kept.
Head ParseHead(std::string_view text) {
  Head head;
  size_t start = 0;
  for (bool first = true;; first = false) {
    const size_t end = FindUnquoted(text, ';', start);
    const std::string part = UpperAscii(std::string(text.substr(start, end - start)));
    const size_t equals = part.find('=');
    if (first) {
      head.name = part.substr(part.find_last_of('.') + 1);
    } else if (equals == npos || part.compare(0, equals, "TYPE") == 0) {
      head.types += ',' + part.substr(equals + 1);
    }
    head.quotedPrintable |= part == "QUOTED-PRINTABLE" || part == "ENCODING=QUOTED-PRINTABLE";
    if (part.starts_with("CHARSET=")) head.codePage = CodePageOfCharset(part.substr(8));
    if (end == npos) return head;
    start = end + 1;
  }
}

// The logical line that starts at lines[next], with `next` moved past it. A
// line that begins with a space or tab continues the one before; version 2.1
// keeps that blank as part of the text, later versions drop it. A
// quoted-printable value ending in "=" goes on in the next line.
std::string Unfold(const std::vector<std::string_view>& lines, size_t& next, bool keepFoldBlank) {
  std::string line(lines[next++]);
  const size_t colon = FindUnquoted(line, ':');
  const bool softBreaks = colon != npos && ParseHead(std::string_view(line).substr(0, colon)).quotedPrintable;
  while (next < lines.size()) {
    const std::string_view following = lines[next];
    if (softBreaks && !line.empty() && line.back() == '=') {
      line.pop_back();
      line += following;
    } else if (!following.empty() && (following[0] == ' ' || following[0] == '\t')) {
      line += following.substr(keepFoldBlank ? 0 : 1);
    } else {
      break;
    }
    ++next;
  }
  return line;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::string DecodeQuotedPrintable(std::string_view text) {
  std::string decoded;
  for (size_t i = 0; i < text.size(); ++i) {
    const int high = i + 2 < text.size() && text[i] == '=' ? HexValue(text[i + 1]) : -1;
    const int low = high >= 0 ? HexValue(text[i + 2]) : -1;
    if (low >= 0) {
      decoded += static_cast<char>(high * 16 + low);
      i += 2;
    } else {
      decoded += text[i];
    }
  }
  return decoded;
}

// "\n" or "\N" is a line break; "\\", "\," and "\;" stand for the character.
std::string Unescape(std::string_view text) {
  std::string plain;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      plain += text[i];
      continue;
    }
    const char escaped = text[++i];
    if (escaped == 'n' || escaped == 'N') {
      plain += '\n';
    } else {
      if (escaped != '\\' && escaped != ',' && escaped != ';') plain += '\\';
      plain += escaped;
    }
  }
  return plain;
}

// The components of a structured value such as N, split at each ";" that is
// not escaped.
std::vector<std::string> Components(std::string_view value) {
  std::vector<std::string> parts(1);
  for (size_t i = 0; i < value.size(); ++i) {
    if (value[i] == ';') {
      parts.emplace_back();
      continue;
    }
    if (value[i] == '\\' && i + 1 < value.size()) parts.back() += value[i++];
    parts.back() += value[i];
  }
  for (std::string& part : parts) part = Unescape(part);
  return parts;
}

// A version 4.0 number may be written as a "tel:" URI; it is kept whole,
// parameters and escapes included, for the link reader.
std::string NumberOf(std::string_view value) { return Unescape(TrimBlanks(value)); }

struct Card {
  std::string family, given, formatted;
  std::vector<Phone> phones;

  Contact ToContact() const {
    Contact contact{std::string(TrimBlanks(given)), std::string(TrimBlanks(family)), phones};
    if (contact.first.empty() && contact.last.empty()) {
      std::tie(contact.first, contact.last) = SplitFullName(formatted);
    }
    return contact;
  }
};

}  // namespace

std::vector<Contact> ReadVCards(std::string_view text, const CodePages& pages) {
  const std::vector<std::string_view> lines = SplitLines(text);
  std::vector<Contact> contacts;
  Card card;
  int depth = 0;  // cards open; version 2.1 may hold one card inside another
  bool keepFoldBlank = false, utf8Only = false;
  for (size_t next = 0; next < lines.size();) {
    const std::string line = Unfold(lines, next, keepFoldBlank);
    const size_t colon = FindUnquoted(line, ':');
    if (colon == npos) continue;
    const Head head = ParseHead(std::string_view(line).substr(0, colon));
    std::string value = line.substr(colon + 1);
    if (head.quotedPrintable) value = DecodeQuotedPrintable(value);
    if (head.name == "N" || head.name == "FN") {
      value = TextAsUtf8(value, utf8Only ? kUtf8CodePage : head.codePage, pages);
    }
    const std::string word = UpperAscii(std::string(TrimBlanks(value)));

    if (head.name == "BEGIN" && word == "VCARD") {
      if (depth++ == 0) {
        card = {};
        keepFoldBlank = utf8Only = false;
      }
    } else if (head.name == "END" && word == "VCARD" && depth > 0) {
      if (--depth == 0) contacts.push_back(card.ToContact());
    } else if (depth != 1) {
      continue;  // outside any card, or in a card within the card
    } else if (head.name == "VERSION") {
      keepFoldBlank = word == "2.1";
      utf8Only = word == "4.0";
    } else if (head.name == "N") {
      const std::vector<std::string> parts = Components(value);
      card.family = parts[0];
      card.given = parts.size() > 1 ? parts[1] : "";
    } else if (head.name == "FN") {
      card.formatted = Unescape(value);
    } else if (head.name == "TEL") {
      const std::string number = NumberOf(value);
      if (!number.empty()) card.phones.push_back({number, KindOfLabel(head.types)});
    }
  }
  if (depth > 0) throw ContactFileError("The file ends inside a vCard: END:VCARD is missing.");
  if (contacts.empty()) throw ContactFileError("The file holds no vCard.");
  return contacts;
}

}  // namespace tonvero
