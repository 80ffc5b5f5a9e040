#pragma once
// A panel: a child window of its own class that holds one room's controls in
// its own coordinates and handles their messages (commands, colours, owner
// drawing, scrolling). WS_EX_CONTROLPARENT lets Tab and the dialog keys move
// across panels as across one window.
#include <windows.h>

#include "win32/ui/forms.h"

namespace tonvero {

// Creates a panel window of `className` (registered on first use with
// `procedure`) at `place` (at 96 DPI) in `parent`'s client area, at
// `scale`; `self` reaches the procedure at WM_NCCREATE.
HWND CreatePanelWindow(HWND parent, const char* className, WNDPROC procedure, const RECT& place, int id,
                       void* self, Scale scale);
// Moves a panel to `place` (at 96 DPI) at `scale`.
void PlacePanel(HWND panel, const RECT& place, Scale scale);

// What every form's parent does for its controls: owner-drawn buttons drawn
// by the form, labels and pictures in their caption colour on the face
// colour. True, with the result, when `message` was one of those.
bool HandleFormMessage(Form& form, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

// The top-level window a panel (or any control) belongs to: the owner of
// the boxes and dialogs it shows.
inline HWND TopWindow(HWND window) { return GetAncestor(window, GA_ROOT); }

}  // namespace tonvero
