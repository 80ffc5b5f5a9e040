#include "win32/ui/forms.h"

#include <commctrl.h>

#include <cstring>
#include <tuple>

#include "core/common/text.h"

namespace tonvero {

bool FontSpec::operator<(const FontSpec& o) const {
  const int byFace = std::strcmp(face, o.face);
  if (byFace != 0) return byFace < 0;
  return std::tie(pixels, bold) < std::tie(o.pixels, o.bold);
}

Form::~Form() {
  for (auto& [wanted, font] : fonts_) DeleteObject(font);
}

namespace {

HFONT MakeFont(const FontSpec& wanted, int pixels) {
  return CreateFontA(-pixels, 0, 0, 0, wanted.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, wanted.face);
}

// How wide a line of letters, digits and spaces is in `font`.
int SampleWidth(HDC dc, HFONT font) {
  static constexpr char kSample[] = "Quick brown foxes  0123456789  ABCDEFGHIJKLMNOPQRSTUVWXYZ  abcdefghijklmnopqrstuvwxyz";
  HGDIOBJ old = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32A(dc, kSample, static_cast<int>(sizeof kSample - 1), &size);
  SelectObject(dc, old);
  return size.cx;
}

// A face's letters do not grow exactly in step with its height, and a text
// that fits its control at 96 DPI must fit it at every scale: the font is
// the largest, up to the scaled height, whose text is no wider than the
// text at 96 DPI scaled.
HFONT MakeScaledFont(const FontSpec& wanted, Scale scale) {
  int pixels = scale(wanted.pixels);
  HFONT font = MakeFont(wanted, pixels);
  if (scale == Scale{}) return font;
  HDC dc = CreateCompatibleDC(nullptr);
  HFONT laidOut = MakeFont(wanted, wanted.pixels);
  const int widest = scale(SampleWidth(dc, laidOut));
  DeleteObject(laidOut);
  while (pixels > wanted.pixels && SampleWidth(dc, font) > widest) {
    DeleteObject(font);
    font = MakeFont(wanted, --pixels);
  }
  DeleteDC(dc);
  return font;
}

struct Place {
  int left, top, width, height;
};

// Where a control of the table goes at `scale`. An etched rule keeps the thickness it has: the system draws its line as
// thick at any scale, and would leave the rest of a thicker rule unpainted.
Place LaidOutPlace(HWND control, const ControlSpec& c, Scale scale) {
  RECT now;
  GetWindowRect(control, &now);
  const DWORD kind = c.style & SS_TYPEMASK;
  const bool rule = std::strcmp(c.windowClass, "STATIC") == 0 && (kind == SS_ETCHEDHORZ || kind == SS_ETCHEDVERT);
  const int width = rule && kind == SS_ETCHEDVERT ? now.right - now.left : scale(c.width);
  const int height = rule && kind == SS_ETCHEDHORZ ? now.bottom - now.top : scale(c.height);
  return {scale(c.left), scale(c.top), width, height};
}

}  // namespace

HFONT Form::Font(const FontSpec& wanted) {
  auto found = fonts_.find(wanted);
  if (found != fonts_.end()) return found->second;
  HFONT font = MakeScaledFont(wanted, scale_);
  fonts_[wanted] = font;
  return font;
}

void Form::Create(HWND parent, const std::vector<ControlSpec>& controls, Scale scale) {
  parent_ = parent;
  scale_ = scale;
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
  for (const ControlSpec& c : controls) {
    HWND control = CreateWindowExA(c.exStyle, c.windowClass, c.text, WS_CHILD | c.style,
                                   scale(c.left), scale(c.top), scale(c.width), scale(c.height), parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)),
                                   instance, nullptr);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(Font(c.font)), FALSE);
    if (c.textColor != CLR_INVALID) colors_[c.id] = c.textColor;
    if (c.hint) AddHint(control, c.hint);
    Describe(control, c);
  }
}

void Form::Layout(const std::vector<ControlSpec>& controls, Scale scale) {
  std::map<FontSpec, HFONT> oldFonts;
  oldFonts.swap(fonts_);
  scale_ = scale;
  for (const ControlSpec& c : controls) {
    HWND control = Item(c.id);
    const Place place = LaidOutPlace(control, c, scale);
    SetWindowPos(control, nullptr, place.left, place.top, place.width, place.height, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(Font(c.font)), TRUE);
  }
  // Only now that no control holds them.
  for (auto& [wanted, font] : oldFonts) DeleteObject(font);
}

// Windows of the program's own classes, whose names begin with "Tonvero",
// answer screen readers themselves. (Their module tells nothing: a system
// class registered without one, as the spin arrows', reads as the program's.)
void Form::Describe(HWND control, const ControlSpec& item) {
  if (std::strncmp(item.windowClass, "Tonvero", 7) == 0) return;
  ControlNaming& naming = namings_[item.id];
  naming.description = item.hint ? TrimSpaces(item.hint) : "";
  const std::string windowClass = UpperAscii(item.windowClass);
  const bool textNames = windowClass == "BUTTON" ||
                         (windowClass == "STATIC" && (item.style & SS_TYPEMASK) != SS_BITMAP);
  if (!textNames) {
    naming.name = naming.description;
    naming.description.clear();
  }
  Subclass(control, static_cast<UINT_PTR>(item.id));
}

void Form::SetAccessibleName(int id, std::string name) { namings_[id].name = std::move(name); }

void Form::NameByLabel(int id, int labelId) { namings_[id].labelId = labelId; }

LRESULT Form::HandleSubclassMessage(HWND control, UINT_PTR id, UINT message, WPARAM wParam,
                                    LPARAM lParam) {
  if (message == WM_GETOBJECT && AsksForClient(lParam)) {
    auto* object = new ControlAccessible(control, namings_[static_cast<int>(id)]);
    const LRESULT answer = AnswerGetObject(object, wParam);
    object->Release();
    if (answer) return answer;
  }
  return DefSubclassProc(control, message, wParam, lParam);
}

void Form::AddHint(HWND control, const char* hint) {
  if (!tooltip_) {
    tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                               parent_, nullptr, nullptr, nullptr);
  }
  TOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = parent_;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<char*>(hint);
  SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

COLORREF Form::TextColor(int id) const {
  auto found = colors_.find(id);
  return found == colors_.end() ? GetSysColor(COLOR_BTNTEXT) : found->second;
}

void Form::SetTextColor(int id, COLORREF color) {
  colors_[id] = color;
  InvalidateRect(Item(id), nullptr, FALSE);
}

void Form::DrawButton(const DRAWITEMSTRUCT& item) {
  const auto found = glyphs_.find(static_cast<int>(item.CtlID));
  HBITMAP glyph = found == glyphs_.end() ? nullptr : found->second;
  HDC dc = item.hDC;
  RECT r = item.rcItem;
  const bool pushed = item.itemState & ODS_SELECTED;
  const bool disabled = item.itemState & ODS_DISABLED;
  DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
  if (pushed) OffsetRect(&r, scale_(1), scale_(1));

  char caption[64];
  GetWindowTextA(item.hwndItem, caption, sizeof caption);
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(item.hwndItem, WM_GETFONT, 0, 0));
  HGDIOBJ oldFont = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, disabled ? GetSysColor(COLOR_GRAYTEXT) : TextColor(item.CtlID));

  if (glyph) {
    BITMAP info;
    GetObject(glyph, sizeof info, &info);
    SIZE text;
    GetTextExtentPoint32A(dc, caption, static_cast<int>(std::strlen(caption)), &text);
    const int gap = scale_(6);
    int x = (r.left + r.right - info.bmWidth - gap - text.cx) / 2;
    int y = (r.top + r.bottom - info.bmHeight) / 2;
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, glyph);
    BitBlt(dc, x, y, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    r.left = x + info.bmWidth + gap;
    DrawTextA(dc, caption, -1, &r, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  } else {
    DrawTextA(dc, caption, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  SelectObject(dc, oldFont);
  if (item.itemState & ODS_FOCUS) {
    RECT focus = item.rcItem;
    InflateRect(&focus, -scale_(4), -scale_(4));
    DrawFocusRect(dc, &focus);
  }
}

// Under Wine a field set to h reads back as h + 2, and the list grows by
// that much more: a second change, from the height that was set, corrects
// what the first left over.
void SetClosedHeight(HWND comboBox, int height) {
  LRESULT field = SendMessageA(comboBox, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
  for (int round = 0; round < 2 && field != CB_ERR; ++round) {
    RECT closed;
    GetWindowRect(comboBox, &closed);
    const int change = height - (closed.bottom - closed.top);
    if (change == 0) return;
    field += change;
    SendMessageA(comboBox, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
  }
}

void SizeAndCentre(HWND window, int width, int height, Scale scale) {
  RECT r{0, 0, scale(width), scale(height)};
  AddFrame(r, GetWindowLongA(window, GWL_STYLE), GetWindowLongA(window, GWL_EXSTYLE), scale);
  const int w = r.right - r.left, h = r.bottom - r.top;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - w) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - h) / 2;
  SetWindowPos(window, nullptr, x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool IsMouseButtonDown(UINT message) {
  return message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDOWN ||
         message == WM_RBUTTONDBLCLK || message == WM_MBUTTONDOWN || message == WM_MBUTTONDBLCLK;
}

bool IsMouseButtonUp(UINT message) {
  return message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
}

std::string WindowText(HWND window) {
  std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace tonvero
