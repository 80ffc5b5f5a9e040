#pragma once
// A stand-in for the system's code pages, for the core tests and the fuzz
// targets: Windows-1252 (Latin-1's letters and the euro sign at 0x80) and
// Windows-1251 (Cyrillic А..я at 0xC0..0xFF, Ё and ё), capitals for those
// letters and Ł Ř Ś, best fit of Ł Ř Ś to L R S.
#include "core/common/code_page.h"

namespace tonvero {

class FakeCodePages : public CodePages {
 public:
  explicit FakeCodePages(unsigned userCodePage = 1252) : user_(userCodePage) {}

  std::optional<std::u16string> Decode(std::string_view bytes, unsigned codePage) const override {
    if (codePage != 1252 && codePage != 1251) return std::nullopt;
    std::u16string text;
    for (const char c : bytes) text += CharOf(static_cast<unsigned char>(c), codePage);
    return text;
  }

  unsigned UserCodePage() const override { return user_; }

  StoredText Store(std::u16string_view text) const override {
    StoredText stored;
    for (char16_t c : text) {
      c = Upper(c);
      if (c == u'Ł' || c == u'Ř' || c == u'Ś') c = c == u'Ł' ? u'L' : c == u'Ř' ? u'R' : u'S', stored.whole = false;
      int byte = 0;
      while (byte < 256 && (c == 0xFFFF || CharOf(static_cast<unsigned char>(byte), user_) != c)) ++byte;
      if (byte == 256) byte = '?', stored.whole = false;
      stored.text += static_cast<char>(byte);
    }
    return stored;
  }

 private:
  static char16_t CharOf(unsigned char byte, unsigned codePage) {
    if (byte < 0x80) return byte;
    if (codePage == 1251) {
      if (byte >= 0xC0) return static_cast<char16_t>(0x410 + byte - 0xC0);
      if (byte == 0xA8) return u'Ё';
      if (byte == 0xB8) return u'ё';
      return 0xFFFF;  // not in this fake
    }
    if (byte == 0x80) return u'€';
    return byte >= 0xA0 ? byte : 0xFFFF;
  }

  static char16_t Upper(char16_t c) {
    if ((c >= u'a' && c <= u'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7) || (c >= u'а' && c <= u'я')) {
      return c - 0x20;
    }
    if (c == u'ё') return u'Ё';
    if (c == u'ł' || c == u'ř' || c == u'ś') return c - 1;
    return c;
  }

  unsigned user_;
};

}  // namespace tonvero
