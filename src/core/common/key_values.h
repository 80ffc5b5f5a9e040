#pragma once
// A small settings text: lines "key=value", in the order they were read. A
// program that knows some keys keeps the others as they are when it writes
// the text again.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tonvero {

// The largest such text that is read.
constexpr size_t kMaxKeyValuesSize = 16 * 1024;

class KeyValues {
 public:
  // The lines of `text` (CR LF or LF, blank lines skipped, blanks around
  // keys and values dropped). Nothing when the text is too long, holds a
  // control character, a line without "=", an empty key or a key twice.
  static std::optional<KeyValues> Parse(std::string_view text);

  std::optional<std::string> Get(std::string_view key) const;
  // Changes the key's value where it stands, or adds it at the end.
  void Set(std::string_view key, std::string_view value);
  // The text: one "key=value" line each, CR LF after every line.
  std::string Text() const;

 private:
  std::vector<std::pair<std::string, std::string>> lines_;
};

}  // namespace tonvero
