#include "core/common/code_page.h"

#include <charconv>
#include <cstdint>
#include <utility>

#include "core/common/text.h"

namespace tonvero {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

// The code point of the well-formed sequence at `text[at]` and its length,
// or length 0 when the bytes there are not one.
std::pair<char32_t, size_t> DecodeAt(std::string_view text, size_t at) {
  const auto lead = static_cast<uint8_t>(text[at]);
  if (lead < 0x80) return {lead, 1};
  size_t length = 0;
  char32_t c = 0, min = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, c = lead & 0x1F, min = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, c = lead & 0x0F, min = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, c = lead & 0x07, min = 0x10000;
  }
  if (length == 0 || text.size() - at < length) return {0, 0};
  for (size_t i = 1; i < length; ++i) {
    const auto next = static_cast<uint8_t>(text[at + i]);
    if ((next & 0xC0) != 0x80) return {0, 0};
    c = (c << 6) | (next & 0x3F);
  }
  if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return {0, 0};
  return {c, length};
}

void AppendUtf8(std::string& text, char32_t c) {
  if (c < 0x80) {
    text += static_cast<char>(c);
  } else if (c < 0x800) {
    text += static_cast<char>(0xC0 | (c >> 6));
    text += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    text += static_cast<char>(0xE0 | (c >> 12));
    text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    text += static_cast<char>(0xF0 | (c >> 18));
    text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The number that follows `prefix` in `name`, when all the rest is digits.
std::optional<unsigned> NumberAfter(std::string_view name, std::string_view prefix) {
  if (!name.starts_with(prefix) || name.size() == prefix.size()) return std::nullopt;
  unsigned number = 0;
  const char* end = name.data() + name.size();
  const auto [stop, error] = std::from_chars(name.data() + prefix.size(), end, number);
  if (error != std::errc() || stop != end) return std::nullopt;
  return number;
}

}  // namespace

bool IsUtf8(std::string_view bytes) {
  for (size_t at = 0; at < bytes.size();) {
    const size_t length = DecodeAt(bytes, at).second;
    if (length == 0) return false;
    at += length;
  }
  return true;
}

std::u16string Utf8ToUtf16(std::string_view utf8) {
  std::u16string text;
  for (size_t at = 0; at < utf8.size();) {
    const auto [c, length] = DecodeAt(utf8, at);
    if (length == 0) {
      text += kReplacement;
      ++at;
      continue;
    }
    if (c >= 0x10000) {
      text += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      text += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      text += static_cast<char16_t>(c);
    }
    at += length;
  }
  return text;
}

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string utf8;
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    const bool high = c >= 0xD800 && c <= 0xDBFF;
    if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = kReplacement;
    }
    AppendUtf8(utf8, c);
  }
  return utf8;
}

std::optional<unsigned> CodePageOfCharset(std::string_view charset) {
  const std::string name = UpperAscii(std::string(charset));
  if (name == "UTF-8" || name == "UTF8") return kUtf8CodePage;
  if (name == "US-ASCII" || name == "ASCII") return 20127;
  if (name == "KOI8-R") return 20866;
  if (name == "KOI8-U") return 21866;
  if (name == "IBM866" || name == "CP866") return 866;
  if (name == "SHIFT_JIS" || name == "SJIS") return 932;
  if (name == "GBK" || name == "GB2312") return 936;
  if (name == "BIG5") return 950;
  if (name == "EUC-KR") return 949;
  for (std::string_view prefix : {"WINDOWS-", "CP"}) {
    const auto page = NumberAfter(name, prefix);
    if (page && *page >= 1250 && *page <= 1258) return page;
  }
  const auto part = NumberAfter(name, "ISO-8859-");
  if (part && *part >= 1 && *part <= 15 && *part != 12) return 28590 + *part;
  return std::nullopt;
}

std::string TextAsUtf8(std::string_view bytes, std::optional<unsigned> codePage, const CodePages& pages) {
  if (codePage && *codePage != kUtf8CodePage) {
    if (const auto text = pages.Decode(bytes, *codePage)) return Utf16ToUtf8(*text);
  }
  if (codePage != kUtf8CodePage && !IsUtf8(bytes)) {
    if (const auto text = pages.Decode(bytes, pages.UserCodePage())) return Utf16ToUtf8(*text);
  }
  return Utf16ToUtf8(Utf8ToUtf16(bytes));  // stray bytes become U+FFFD
}

StoredText StoreUtf8(std::string_view utf8, const CodePages& pages) {
  return pages.Store(Utf8ToUtf16(utf8));
}

}  // namespace tonvero
