#include "core/contacts/contacts_csv.h"

#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <tuple>

#include "core/common/code_page.h"
#include "core/common/text.h"

namespace tonvero {
namespace {

using Row = std::vector<std::string>;
using Column = std::optional<size_t>;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kNumberSeparator = ":::";

constexpr const char* kOutlookPhoneColumns[] = {
    "MOBILE PHONE", "BUSINESS PHONE", "BUSINESS PHONE 2", "HOME PHONE", "HOME PHONE 2",
    "BUSINESS FAX", "HOME FAX",       "OTHER FAX",        "OTHER PHONE", "PRIMARY PHONE",
    "CAR PHONE",    "COMPANY MAIN PHONE"};

// The rows of the text. A field in double quotes may hold commas, line breaks
// and quotes written twice; rows end in CR LF, LF or CR; empty rows are left
// out.
std::vector<Row> CsvRows(std::string_view text) {
  std::vector<Row> rows;
  Row row(1);
  bool quoted = false;
  const auto endRow = [&] {
    if (row.size() > 1 || !row[0].empty()) rows.push_back(std::move(row));
    row.assign(1, "");
  };
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted && c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
      row.back() += c;
      ++i;
    } else if (c == '"') {
      quoted = !quoted;
    } else if (quoted || (c != ',' && c != '\r' && c != '\n')) {
      row.back() += c;
    } else if (c == ',') {
      row.emplace_back();
    } else {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      endRow();
    }
  }
  if (quoted) throw ContactFileError("The file ends inside a quoted field: a closing \" is missing.");
  endRow();
  return rows;
}

struct PhoneColumn {
  size_t value;
  Column label;    // the column naming each row's kind, if any
  PhoneKind kind;  // otherwise the kind the column's own name says
};

class Header {
 public:
  explicit Header(const Row& row) {
    for (const std::string& name : row) {
      names_.push_back(UpperAscii(std::string(TrimBlanks(name))));
      columns_.emplace(names_.back(), names_.size() - 1);  // the first of a name counts
    }
  }

  // The column of the first of `wanted` that the header names.
  Column Find(std::initializer_list<std::string_view> wanted) const {
    for (std::string_view name : wanted) {
      const auto found = columns_.find(name);
      if (found != columns_.end()) return found->second;
    }
    return std::nullopt;
  }

  std::vector<PhoneColumn> PhoneColumns() const {
    std::vector<PhoneColumn> columns;
    for (size_t i = 0; i < names_.size(); ++i) {
      const std::string_view name = names_[i];
      if (name.starts_with("PHONE ") && name.ends_with(" - VALUE")) {
        const std::string phone(name.substr(0, name.size() - 8));
        columns.push_back({i, Find({phone + " - TYPE", phone + " - LABEL"}), PhoneKind::kOther});
      }
      for (std::string_view outlook : kOutlookPhoneColumns) {
        if (name == outlook) columns.push_back({i, std::nullopt, KindOfLabel(name)});
      }
    }
    return columns;
  }

 private:
  std::vector<std::string> names_;
  std::map<std::string, size_t, std::less<>> columns_;
};

}  // namespace

std::vector<Contact> ReadContactsCsv(std::string_view bytes, const CodePages& pages) {
  // Google writes UTF-8 with a byte-order mark; Outlook writes the system's
  // code page, whose text is never well-formed UTF-8 once it holds a
  // letter beyond ASCII.
  const bool marked = bytes.starts_with(kByteOrderMark);
  if (marked) bytes.remove_prefix(kByteOrderMark.size());
  const std::optional<unsigned> codePage = marked ? std::optional(kUtf8CodePage) : std::nullopt;
  const std::vector<Row> rows = CsvRows(TextAsUtf8(bytes, codePage, pages));
  const Header header(rows.empty() ? Row() : rows[0]);
  const std::vector<PhoneColumn> phoneColumns = header.PhoneColumns();
  if (phoneColumns.empty()) throw ContactFileError("The file names no phone column.");
  const Column first = header.Find({"FIRST NAME", "GIVEN NAME"});
  const Column last = header.Find({"LAST NAME", "FAMILY NAME"});
  const Column full = header.Find({"NAME"});

  std::vector<Contact> contacts;
  for (size_t r = 1; r < rows.size(); ++r) {
    const auto field = [&row = rows[r]](Column column) {
      return column && *column < row.size() ? TrimBlanks(row[*column]) : std::string_view();
    };
    Contact contact{std::string(field(first)), std::string(field(last)), {}};
    if (contact.first.empty() && contact.last.empty()) {
      std::tie(contact.first, contact.last) = SplitFullName(field(full));
    }
    for (const PhoneColumn& column : phoneColumns) {
      if (column.value >= rows[r].size()) break;  // the columns are in header order
      const PhoneKind kind = column.label ? KindOfLabel(field(column.label)) : column.kind;
      std::string_view numbers = field(column.value);
      for (;;) {
        const size_t end = numbers.find(kNumberSeparator);
        const std::string_view number = TrimBlanks(numbers.substr(0, end));
        if (!number.empty()) contact.phones.push_back({std::string(number), kind});
        if (end == std::string_view::npos) break;
        numbers.remove_prefix(end + kNumberSeparator.size());
      }
    }
    contacts.push_back(std::move(contact));
  }
  return contacts;
}

}  // namespace tonvero
