#pragma once
// A panel: a child window of its own class that holds one room's controls in
// its own coordinates and handles their messages (commands, colours, owner
// drawing, scrolling). WS_EX_CONTROLPARENT lets Tab and the dialog keys move
// across panels as across one window.
#include <windows.h>

#include <vector>

#include "win32/ui/base_window.h"
#include "win32/ui/forms.h"

namespace tonvero {

// Registers a window class of the program with `procedure`, the arrow
// cursor and the face colour, unless it is registered already.
void RegisterWindowClass(HINSTANCE instance, const char* className, WNDPROC procedure, HICON bigIcon = nullptr,
                         HICON smallIcon = nullptr);

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
// A label or picture of `form` on the face colour in its caption colour;
// the brush to paint the rest with.
HBRUSH ColourLabel(const Form& form, HDC dc, HWND label);

// The top-level window a panel (or any control) belongs to: the owner of
// the boxes and dialogs it shows.
inline HWND TopWindow(HWND window) { return GetAncestor(window, GA_ROOT); }

// The skeleton of every panel: its window of its own class, the form of
// its controls, both placed at a scale, and the form's messages. T derives
// from Panel<T> publicly and befriends BaseWindow<T>, as any window does.
template <typename T>
class Panel : public BaseWindow<T> {
 protected:
  // Creates the panel window of `className` at `place` (at 96 DPI) in
  // `parent` with `controls` in it, at `scale`.
  void CreatePanel(HWND parent, const char* className, int id, const RECT& place,
                   const std::vector<ControlSpec>& controls, Scale scale) {
    CreatePanelWindow(parent, className, BaseWindow<T>::WindowProcedure, place, id, static_cast<T*>(this), scale);
    form_.Create(this->hwnd_, controls, scale);
  }
  // Places the panel and its controls again, at another scale.
  void PlacePanelAndForm(const RECT& place, const std::vector<ControlSpec>& controls, Scale scale) {
    PlacePanel(this->hwnd_, place, scale);
    form_.Layout(controls, scale);
  }
  // The end of every panel's HandleMessage: the form's messages, then the
  // window's defaults.
  LRESULT HandleRest(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (HandleFormMessage(form_, message, wParam, lParam, result)) return result;
    return DefWindowProcA(this->hwnd_, message, wParam, lParam);
  }
  HWND Item(int id) const { return GetDlgItem(this->hwnd_, id); }

  Form form_;
};

}  // namespace tonvero
