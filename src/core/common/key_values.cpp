#include "core/common/key_values.h"

namespace tonvero {
namespace {

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

bool HasControlCharacter(std::string_view line) {
  for (unsigned char c : line) {
    if ((c < 0x20 && c != '\t') || c == 0x7f) return true;
  }
  return false;
}

}  // namespace

std::optional<KeyValues> KeyValues::Parse(std::string_view text) {
  if (text.size() > kMaxKeyValuesSize) return std::nullopt;
  KeyValues values;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (HasControlCharacter(line)) return std::nullopt;
    if (Trimmed(line).empty()) continue;
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    const std::string_view key = Trimmed(line.substr(0, equals));
    if (key.empty() || values.Get(key)) return std::nullopt;
    values.lines_.emplace_back(key, Trimmed(line.substr(equals + 1)));
  }
  return values;
}

std::optional<std::string> KeyValues::Get(std::string_view key) const {
  for (const auto& [k, v] : lines_) {
    if (k == key) return v;
  }
  return std::nullopt;
}

void KeyValues::Set(std::string_view key, std::string_view value) {
  for (auto& [k, v] : lines_) {
    if (k == key) {
      v = value;
      return;
    }
  }
  lines_.emplace_back(key, value);
}

std::string KeyValues::Text() const {
  std::string text;
  for (const auto& [k, v] : lines_) text += k + "=" + v + "\r\n";
  return text;
}

}  // namespace tonvero
