#pragma once
// Forms as tables of controls: each row becomes a child window placed in
// pixels, with its font, caption colour and hint. Shared by the main window
// and the dialogs.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "win32/ui/accessible.h"
#include "win32/ui/base_window.h"

namespace tonvero {

struct FontSpec {
  const char* face = "MS Sans Serif";
  int pixels = 11;  // character height; 11 is the standard 8-point dialog font
  bool bold = false;
  bool operator<(const FontSpec& o) const;
};

struct ControlSpec {
  int id;
  const char* windowClass;  // "BUTTON", "STATIC", "EDIT", ...
  const char* text;
  int left, top, width, height;
  DWORD style;
  FontSpec font = {};
  COLORREF textColor = CLR_INVALID;  // CLR_INVALID: the system colour
  const char* hint = nullptr;  // also what a screen reader says the control does
  DWORD exStyle = 0;
};

// Owns the fonts of a form and the caption colours of its controls, and
// describes its controls to screen readers: each answers with its role,
// its hint, and its window text as its name, unless the text does not name
// it (a field, a list, a bar, a picture: its hint does) or the form was
// told another name.
class Form : private BaseWindow<Form> {
 public:
  Form() = default;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  ~Form();

  void Create(HWND parent, const std::vector<ControlSpec>& controls);
  HWND Item(int id) const { return GetDlgItem(parent_, id); }
  HFONT Font(const FontSpec& wanted);
  COLORREF TextColor(int id) const;
  void SetTextColor(int id, COLORREF color);
  // Draws an owner-drawn push button: frame, optional glyph, caption in its colour.
  void DrawButton(const DRAWITEMSTRUCT& item, HBITMAP glyph = nullptr);
  // The name a screen reader says for a control: a text, or the text that
  // the label `labelId` shows when it is asked.
  void SetAccessibleName(int id, std::string name);
  void NameByLabel(int id, int labelId);

 private:
  friend class BaseWindow<Form>;
  LRESULT HandleSubclassMessage(HWND control, UINT_PTR id, UINT message, WPARAM wParam, LPARAM lParam);
  void AddHint(HWND control, const char* hint);
  void Describe(HWND control, const ControlSpec& spec);

  HWND parent_ = nullptr;
  HWND tooltip_ = nullptr;
  std::map<FontSpec, HFONT> fonts_;
  std::map<int, COLORREF> colors_;
  std::map<int, ControlNaming> namings_;
};

// The client size of `window` set to width x height, centred on the screen.
void SizeAndCentre(HWND window, int width, int height);

// A press of any mouse button (a fast second press arrives as a double
// click: a press too), and a release.
bool IsMouseButtonDown(UINT message);
bool IsMouseButtonUp(UINT message);

// The text of a window as a std::string.
std::string WindowText(HWND window);

}  // namespace tonvero
