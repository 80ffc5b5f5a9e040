#include "core/common/text.h"

namespace tonvero {

std::string ExtractField(const std::string& line, int n) {
  std::string field;
  int current = 1;
  bool insideQuotes = false;
  for (char c : line) {
    if (c == '"') {
      insideQuotes = !insideQuotes;
    } else if (c == ',' && !insideQuotes) {
      ++current;
    } else if (current == n) {
      field += c;
    }
  }
  return field;
}

std::vector<std::string> ExtractFields(std::string_view line, int count) {
  std::vector<std::string> fields(count > 0 ? static_cast<size_t>(count) : 0);
  size_t current = 0;
  bool insideQuotes = false;
  for (char c : line) {
    if (c == '"') {
      insideQuotes = !insideQuotes;
    } else if (c == ',' && !insideQuotes) {
      if (++current == fields.size()) break;
    } else if (current < fields.size()) {
      fields[current] += c;
    }
  }
  return fields;
}

std::string UpperAscii(const std::string& text) {
  std::string upper = text;
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - ('a' - 'A'));
  }
  return upper;
}

std::string TrimSpaces(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  const size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

std::string TrimField(const std::string& text) {
  std::string trimmed = TrimSpaces(text);
  return trimmed.empty() ? " " : trimmed;
}

int CompareBytes(const std::string& a, const std::string& b) {
  const size_t common = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < common; ++i) {
    const auto byteA = static_cast<unsigned char>(a[i]);
    const auto byteB = static_cast<unsigned char>(b[i]);
    if (byteA != byteB) return byteA > byteB ? 1 : -1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() > b.size() ? 1 : -1;
}

std::string StripExtension(const std::string& path) {
  // Only the file name's own dot counts, so a dotted folder name is kept
  // whole; a name that begins with a dot has no extension.
  const size_t separator = path.find_last_of("\\/:");
  const size_t nameStart = separator == std::string::npos ? 0 : separator + 1;
  const size_t dot = path.find('.', nameStart + 1);
  return dot == std::string::npos ? path : path.substr(0, dot);
}

std::string QuotesToApostrophes(const std::string& text) {
  std::string safe = text;
  for (char& c : safe) {
    if (c == '"') c = '\'';
  }
  return safe;
}

}  // namespace tonvero
