// The field helpers on any text: the input's first line is a data line (or a
// path), its remainder a second text to compare with. Each helper's result is
// checked against what it promises.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/common/text.h"

namespace {

void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "broken: %s\n", what);
  std::abort();
}

int Sign(int v) { return (v > 0) - (v < 0); }

// The separators of a line: commas outside double quotes.
int FieldCount(const std::string& line) {
  int count = 1;
  bool quoted = false;
  for (char c : line) {
    if (c == '"') quoted = !quoted;
    if (c == ',' && !quoted) ++count;
  }
  return count;
}

void CheckFields(const std::string& line) {
  const int count = FieldCount(line);
  size_t quotes = 0;
  for (char c : line) quotes += c == '"';
  size_t fieldBytes = 0;
  for (int n = 1; n <= count; ++n) {
    const std::string field = tonvero::ExtractField(line, n);
    Require(field.find('"') == std::string::npos, "a field holds no double quote");
    fieldBytes += field.size();
  }
  // Every byte of the line is a field's byte, a separator or a quote.
  Require(fieldBytes + static_cast<size_t>(count - 1) + quotes == line.size(), "fields cover the line");
  Require(tonvero::ExtractField(line, 0).empty(), "field 0 is empty");
  Require(tonvero::ExtractField(line, -1).empty(), "a negative field is empty");
  Require(tonvero::ExtractField(line, count + 1).empty(), "a field past the last is empty");
}

void CheckByteMaps(const std::string& text) {
  const std::string upper = tonvero::UpperAscii(text);
  const std::string safe = tonvero::QuotesToApostrophes(text);
  Require(upper.size() == text.size() && safe.size() == text.size(), "byte maps keep the length");
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    Require(upper[i] == (c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c), "only a..z change case");
    Require(safe[i] == (c == '"' ? '\'' : c), "only double quotes change");
  }
}

void CheckTrim(const std::string& text) {
  const std::string trimmed = tonvero::TrimField(text);
  if (text.find_first_not_of(' ') == std::string::npos) {
    Require(trimmed == " ", "a blank field becomes one space");
    return;
  }
  Require(trimmed.front() != ' ' && trimmed.back() != ' ', "no space at either end");
  Require(text.find(trimmed) != std::string::npos, "the trimmed text is part of the field");
  Require(tonvero::TrimField(trimmed) == trimmed, "trimming twice changes nothing more");
}

void CheckStrip(const std::string& path) {
  const std::string base = tonvero::StripExtension(path);
  Require(path.compare(0, base.size(), base) == 0, "the base is the start of the path");
  const std::string extension = path.substr(base.size());
  Require(extension.empty() || extension.front() == '.', "what is cut starts with a dot");
  Require(extension.find_first_of("\\/:") == std::string::npos, "only the file name loses its end");
}

void CheckCompare(const std::string& a, const std::string& b) {
  const int ab = tonvero::CompareBytes(a, b);
  Require(ab >= -1 && ab <= 1, "a comparison gives -1, 0 or +1");
  Require(ab == -tonvero::CompareBytes(b, a), "comparing the other way gives the opposite");
  // The standard library compares char strings as unsigned bytes.
  Require(ab == Sign(a.compare(b)), "unsigned byte order");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const size_t cut = text.find('\n');
  const std::string first = text.substr(0, cut);
  const std::string rest = cut == std::string::npos ? std::string() : text.substr(cut + 1);
  CheckFields(first);
  CheckByteMaps(text);
  CheckTrim(first);
  CheckStrip(first);
  CheckCompare(first, rest);
  CheckCompare(tonvero::UpperAscii(first), tonvero::UpperAscii(rest));
  return 0;
}
