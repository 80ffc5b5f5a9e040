#pragma once
// The small modal boxes the whole program uses, each behind one function:
// the Yes/No question, the notice with "Continue" and the pause of dialing.
#include <windows.h>

#include <string>

namespace tonvero {

constexpr const char* kNoticeCaption = "Error Message";

// True when the user answered "Yes"; "No", Esc and the close box give false.
bool AskYesNo(HWND owner, const std::string& question);
// Shows `text` until "Continue", Enter, the space bar or the close box.
void ShowNotice(HWND owner, const std::string& text, const std::string& caption = kNoticeCaption);
// A longer message in the system's box, captioned "Tonvero", with OK.
void ShowWarning(HWND owner, const std::string& text);
// The pause box of dialing: returns when the user lets dialing go on.
void ShowPauseBox(HWND owner);

}  // namespace tonvero
