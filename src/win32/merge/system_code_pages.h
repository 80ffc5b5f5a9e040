#pragma once
// The code pages of Windows itself: what a contact file's text becomes on
// this computer.
#include "core/common/code_page.h"

namespace tonvero {

// MultiByteToWideChar for reading; CharUpperBuffW, as the upper-case edit
// fields do, then WideCharToMultiByte to the ANSI code page with best fit
// for storing. Stored text is whole when it reads back as the same capitals.
class SystemCodePages : public CodePages {
 public:
  std::optional<std::u16string> Decode(std::string_view bytes, unsigned codePage) const override;
  unsigned UserCodePage() const override;
  StoredText Store(std::u16string_view text) const override;
};

}  // namespace tonvero
