#pragma once
// Text from other programs (contact files) arrives in some charset, most
// often UTF-8; the program's data files hold 8-bit text in the user's ANSI
// code page. The conversions are the system's own (CodePages, which the
// Windows side implements); which bytes are read in which charset is decided
// here.
#include <optional>
#include <string>
#include <string_view>

namespace tonvero {

constexpr unsigned kUtf8CodePage = 65001;

// Text as the program stores it, and whether every character kept its own
// letter.
struct StoredText {
  std::string text;
  bool whole = true;
};

// The system's conversions between Unicode and its code pages.
class CodePages {
 public:
  virtual ~CodePages() = default;
  // `bytes` in code page `codePage` as UTF-16; nothing when the system has
  // no such code page.
  virtual std::optional<std::u16string> Decode(std::string_view bytes, unsigned codePage) const = 0;
  // The user's ANSI code page.
  virtual unsigned UserCodePage() const = 0;
  // In capitals, as the program's upper-case edit fields turn what is typed,
  // then in the user's code page: a character the page lacks becomes its
  // closest letter ("Ł" "L"), what has none "?"; either makes it not whole.
  virtual StoredText Store(std::u16string_view text) const = 0;
};

// Well-formed UTF-8: no stray or cut-short sequence, no overlong form, no
// surrogate, nothing past U+10FFFF.
bool IsUtf8(std::string_view bytes);
// UTF-8 as UTF-16; each byte outside a well-formed sequence becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
// UTF-16 as UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

// The code page of a charset as MIME and vCard name it, in any case:
// "UTF-8", "US-ASCII", "windows-1251" (or "cp1251"), "ISO-8859-5",
// "KOI8-R", "KOI8-U", "IBM866", "Shift_JIS", "GBK", "GB2312", "Big5",
// "EUC-KR"; nothing for another name.
std::optional<unsigned> CodePageOfCharset(std::string_view name);

// `bytes` as UTF-8, read in `codePage`; with no code page (or one the
// system lacks), as UTF-8 when they are well-formed UTF-8 and otherwise in
// the user's code page.
std::string TextAsUtf8(std::string_view bytes, std::optional<unsigned> codePage, const CodePages& pages);

// UTF-8 text as the program stores it (CodePages::Store).
StoredText StoreUtf8(std::string_view utf8, const CodePages& pages);

}  // namespace tonvero
