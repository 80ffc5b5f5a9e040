#pragma once
// Forms as tables of controls: each row becomes a child window placed in
// pixels at 96 DPI, scaled to its window's DPI, with its font, caption
// colour and hint. Shared by the main window and the dialogs.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "win32/ui/accessible.h"
#include "win32/ui/base_window.h"
#include "win32/ui/scale.h"

namespace tonvero {

struct FontSpec {
  const char* face = "MS Sans Serif";
  int pixels = 11;  // character height at 96 DPI; 11 is the standard 8-point dialog font
  bool bold = false;
  bool operator<(const FontSpec& o) const;
};

struct ControlSpec {
  int id;
  const char* windowClass;  // "BUTTON", "STATIC", "EDIT", ...
  const char* text;
  int left, top, width, height;  // at 96 DPI
  DWORD style;
  FontSpec font = {};
  COLORREF textColor = CLR_INVALID;  // CLR_INVALID: the system colour
  const char* hint = nullptr;  // also what a screen reader says the control does
  DWORD exStyle = 0;
};

// Owns the fonts of a form, made for its scale, and the caption colours of
// its controls, and describes its controls to screen readers: each answers
// with its role, its hint, and its window text as its name, unless the text
// does not name it (a field, a list, a bar, a picture: its hint does) or the
// form was told another name.
class Form : private BaseWindow<Form> {
 public:
  Form() = default;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  ~Form();

  // Creates the controls in `parent` at `scale`; a form may be made of
  // several tables, created one after the other at one scale.
  void Create(HWND parent, const std::vector<ControlSpec>& controls, Scale scale);
  // Places and sizes the controls of `controls`, every table of the form,
  // at `scale` again, with fonts made for it: the window's DPI changed.
  void Layout(const std::vector<ControlSpec>& controls, Scale scale);
  const Scale& Scaling() const { return scale_; }
  HWND Item(int id) const { return GetDlgItem(parent_, id); }
  HFONT Font(const FontSpec& wanted);
  COLORREF TextColor(int id) const;
  void SetTextColor(int id, COLORREF color);
  // Draws an owner-drawn push button: frame, its glyph if it has one,
  // caption in its colour.
  void DrawButton(const DRAWITEMSTRUCT& item);
  // The picture an owner-drawn button shows left of its caption; the
  // caller keeps it while the button shows it.
  void SetGlyph(int id, HBITMAP glyph) { glyphs_[id] = glyph; }
  // The name a screen reader says for a control: a text, or the text that
  // the label `labelId` shows when it is asked.
  void SetAccessibleName(int id, std::string name);
  void NameByLabel(int id, int labelId);

 private:
  friend class BaseWindow<Form>;
  LRESULT HandleSubclassMessage(HWND control, UINT_PTR id, UINT message, WPARAM wParam, LPARAM lParam);
  void AddHint(HWND control, const char* hint);
  void Describe(HWND control, const ControlSpec& item);

  HWND parent_ = nullptr;
  HWND tooltip_ = nullptr;
  Scale scale_;
  std::map<FontSpec, HFONT> fonts_;
  std::map<int, COLORREF> colors_;
  std::map<int, HBITMAP> glyphs_;
  std::map<int, ControlNaming> namings_;
};

// A drop-down list `height` pixels high while closed: its selection field
// made as much higher or lower. Windows sizes a closed list to its font.
void SetClosedHeight(HWND comboBox, int height);

// The client size of `window` set to width x height (at 96 DPI) at
// `scale`, centred on the screen.
void SizeAndCentre(HWND window, int width, int height, Scale scale);

// A press of any mouse button (a fast second press arrives as a double
// click: a press too), and a release.
bool IsMouseButtonDown(UINT message);
bool IsMouseButtonUp(UINT message);

// The text of a window as a std::string.
std::string WindowText(HWND window);

}  // namespace tonvero
