#include "win32/merge/system_code_pages.h"

#include <windows.h>

#include <algorithm>
#include <climits>

namespace tonvero {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

std::optional<std::u16string> SystemCodePages::Decode(std::string_view bytes, unsigned codePage) const {
  if (bytes.size() > INT_MAX) return std::nullopt;
  if (bytes.empty()) return IsValidCodePage(codePage) ? std::optional(std::u16string()) : std::nullopt;
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
  if (length <= 0) return std::nullopt;
  std::u16string text(length, u'\0');
  MultiByteToWideChar(codePage, 0, bytes.data(), size, reinterpret_cast<wchar_t*>(text.data()), length);
  return text;
}

unsigned SystemCodePages::UserCodePage() const { return GetACP(); }

StoredText SystemCodePages::Store(std::u16string_view text) const {
  if (text.empty() || text.size() > INT_MAX / 4) return {};
  std::wstring upper(text.begin(), text.end());
  const int size = static_cast<int>(upper.size());
  CharUpperBuffW(upper.data(), size);
  // No flags: best fit allowed, so a letter the code page lacks becomes its
  // nearest one rather than "?".
  const int length = WideCharToMultiByte(CP_ACP, 0, upper.data(), size, nullptr, 0, nullptr, nullptr);
  StoredText stored;
  stored.text.resize(length);
  WideCharToMultiByte(CP_ACP, 0, upper.data(), size, stored.text.data(), length, nullptr, nullptr);
  const std::optional<std::u16string> back = Decode(stored.text, CP_ACP);
  stored.whole = back && back->size() == upper.size() &&
                 std::equal(back->begin(), back->end(), upper.begin());
  return stored;
}

}  // namespace tonvero
