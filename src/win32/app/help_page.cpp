#include "win32/app/help_page.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "core/app/help_text.h"
#include "win32/ui/accessible.h"
#include "win32/ui/drawing.h"
#include "win32/ui/forms.h"
#include "win32/ui/look.h"

namespace tonvero {
namespace {

using namespace look::art;

// Lays text out down a page, one block under the other.
class Page {
 public:
  Page(Canvas& canvas, int left, int right, int top, int textPixels)
      : canvas_(canvas), left_(left), right_(right), y_(top), pixels_(textPixels) {}

  void Heading(const char* text) {
    Selected font(canvas_.dc(), MakeFont(pixels_, FW_BOLD, UiFace()));
    SetTextColor(canvas_.dc(), kDeepTeal);
    const int h = Block(text, DT_SINGLELINE);
    // A hairline rule from the end of the heading to the margin.
    SIZE size;
    GetTextExtentPoint32A(canvas_.dc(), text, static_cast<int>(std::strlen(text)), &size);
    Rule(left_ + size.cx + 6, y_ + h / 2 + 1, right_, kRule);
    y_ += h + 1;
  }

  void Paragraph(const char* text) {
    Selected font(canvas_.dc(), MakeFont(pixels_, FW_NORMAL, UiFace()));
    SetTextColor(canvas_.dc(), kInk);
    y_ += Block(text, DT_WORDBREAK) + 3;
  }

  void Skip(int pixels) { y_ += pixels; }
  int y() const { return y_; }

 private:
  void Rule(int from, int y, int to, COLORREF colour) {
    SetDCBrushColor(canvas_.dc(), colour);
    RECT r{from, y, to, y + 1};
    FillRect(canvas_.dc(), &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  }

  // Draws `text` at the current line in the selected font; returns its height.
  int Block(const char* text, UINT format) {
    RECT r{left_, y_, right_, y_};
    DrawTextA(canvas_.dc(), text, -1, &r, format | DT_CALCRECT | DT_NOPREFIX);
    DrawTextA(canvas_.dc(), text, -1, &r, format | DT_NOPREFIX | DT_NOCLIP);
    return r.bottom - r.top;
  }

  Canvas& canvas_;
  int left_, right_, y_, pixels_;
};

// The example procedure, one coloured piece per step, each named underneath.
void DrawExampleProcedure(Canvas& canvas, const std::array<ProcedureStep, 5>& steps, int left, int right, int top,
                          int textPixels) {
  const COLORREF colours[] = {kNavy, kPause, kCode, kPause, kNumber};
  HDC dc = canvas.dc();
  const GdiObject codeFont(MakeFont(16, FW_BOLD, FixedFace()));
  const GdiObject nameFont(MakeFont(textPixels, FW_NORMAL, UiFace()));
  HGDIOBJ code = codeFont.get(), name = nameFont.get();
  const KeptSelection kept(dc, code);

  // Each piece gets a column as wide as its code or its name, whichever is wider.
  const int gap = 8;
  std::vector<int> widths;
  int total = -gap;
  for (const ProcedureStep& p : steps) {
    SIZE a, b;
    SelectObject(dc, code);
    GetTextExtentPoint32A(dc, p.code, static_cast<int>(std::strlen(p.code)), &a);
    SelectObject(dc, name);
    GetTextExtentPoint32A(dc, p.name, static_cast<int>(std::strlen(p.name)), &b);
    widths.push_back(std::max(a.cx, b.cx));
    total += widths.back() + gap;
  }

  // A light card behind it.
  SelectObject(dc, GetStockObject(DC_BRUSH));
  SelectObject(dc, GetStockObject(DC_PEN));
  SetDCBrushColor(dc, kCard);
  SetDCPenColor(dc, kCardEdge);
  RoundRect(dc, left, top, right, top + 42, 8, 8);

  int x = left + (right - left - total) / 2;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const ProcedureStep& p = steps[i];
    const COLORREF colour = colours[i % std::size(colours)];
    RECT codeBox{x, top + 4, x + widths[i], top + 22};
    RECT nameBox{x, top + 25, x + widths[i], top + 39};
    SelectObject(dc, code);
    SetTextColor(dc, colour);
    DrawTextA(dc, p.code, -1, &codeBox, DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    // A small bracket ties each code to its name.
    SetDCBrushColor(dc, Mix(colour, kWhite, 0.45));
    RECT tick{codeBox.left + 2, top + 23, codeBox.right - 2, top + 24};
    FillRect(dc, &tick, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    SelectObject(dc, name);
    SetTextColor(dc, kCaption);
    DrawTextA(dc, p.name, -1, &nameBox, DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    x += widths[i] + gap;
  }
}

// Draws the help page with its text `textPixels` high; false when the text
// ran past the bottom.
bool DrawHelpPage(Canvas& canvas, const HelpText& help, int textPixels) {
  const int width = canvas.width();
  {
    Sketch band(width, 24, canvas.scale());
    band.ShadedBox(0, 0, width, 24, 0, kNavy, kDeepTeal);
    DrawCallMark(band, {14, 14}, 14, kWhite, kAqua);
    band.PaintOn(canvas, 0, 0);
  }
  HDC dc = canvas.dc();
  {
    Selected title(dc, MakeFont(16, FW_BOLD, TitleFace(), ANTIALIASED_QUALITY));
    SetTextColor(dc, kWhite);
    RECT r{34, 0, width, 24};
    DrawTextA(dc, help.title, -1, &r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  }
  {
    Selected note(dc, MakeFont(textPixels, FW_NORMAL, UiFace()));
    SetTextColor(dc, kAqua);
    RECT r{0, 0, width - 10, 24};
    DrawTextA(dc, help.note, -1, &r, DT_RIGHT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_NOCLIP);
  }

  Page page(canvas, 12, width - 12, 28, textPixels);
  for (int i = 0; i < static_cast<int>(help.sections.size()); ++i) {
    page.Heading(help.sections[i].heading);
    page.Paragraph(help.sections[i].paragraph);
    if (i != help.exampleAfter) continue;
    DrawExampleProcedure(canvas, help.example, 12, width - 12, page.y() - 1, textPixels);
    page.Skip(44);
  }
  return page.y() <= canvas.height();
}


constexpr UINT_PTR kButtonId = 1, kPageId = 2;

// A key held down repeats: only its first press counts.
bool IsFirstPress(UINT message, LPARAM lParam) {
  return (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) && !(lParam & (1 << 30));
}

bool IsDialogKey(LPARAM lParam, WPARAM key) {
  const auto* asked = reinterpret_cast<const MSG*>(lParam);
  return asked && asked->message == WM_KEYDOWN && asked->wParam == key;
}

}  // namespace

HBITMAP CreateHelpPicture(Scale scale) {
  // Where the intended face is missing a wider one may stand in; the text
  // then gets smaller until the page holds it.
  for (int textPixels = 11;; --textPixels) {
    Canvas canvas(385, 301, kPage, scale);
    if (DrawHelpPage(canvas, TheHelpText(), textPixels) || textPixels == 9) return canvas.Release();
  }
}

HelpPage::~HelpPage() {
  if (picture_) DeleteObject(picture_);
}

void HelpPage::Attach(HWND page, HWND button) {
  page_ = page;
  Subclass(button, kButtonId);
  Subclass(page, kPageId);
}

void HelpPage::DrawAt(Scale scale) {
  HBITMAP old = picture_;
  picture_ = CreateHelpPicture(scale);
  SendMessageA(page_, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture_));
  if (old) DeleteObject(old);
}

void HelpPage::Show() {
  shown_ = true;
  list_.ShowGrid(false);
  ShowWindow(page_, SW_SHOW);
}

void HelpPage::ShowUntilNextInput() {
  if (!shown_) Show();
  SetFocus(page_);
  SetCapture(page_);  // a click anywhere in the window comes to the page
}

void HelpPage::Hide(bool focusList) {
  if (!shown_) return;
  shown_ = false;
  if (GetCapture() == page_) ReleaseCapture();
  ShowWindow(page_, SW_HIDE);
  list_.ShowGrid(true);
  if (focusList) list_.Focus();
}

LRESULT HelpPage::HandleSubclassMessage(HWND control, UINT_PTR id, UINT message, WPARAM wParam, LPARAM lParam) {
  if (id == kButtonId) return HandleButtonMessage(control, message, wParam, lParam);
  LRESULT result = 0;
  return HandlePageMessage(message, wParam, lParam, result) ? result : DefSubclassProc(control, message, wParam, lParam);
}

// The mouse shows the page while the button is held; Space and Enter show
// it as F1 does. Enter would otherwise become the window's IDOK.
LRESULT HelpPage::HandleButtonMessage(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_GETDLGCODE && IsDialogKey(lParam, VK_RETURN)) {
    return DefSubclassProc(button, message, wParam, lParam) | DLGC_WANTMESSAGE;
  }
  if (IsFirstPress(message, lParam) && (wParam == VK_SPACE || wParam == VK_RETURN)) {
    ShowUntilNextInput();
    return 0;
  }
  if (IsMouseButtonDown(message)) Show();
  const LRESULT result = DefSubclassProc(button, message, wParam, lParam);
  if (IsMouseButtonUp(message)) Hide(true);
  return result;
}

bool HelpPage::HandlePageMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_GETDLGCODE) {
    result = DLGC_WANTALLKEYS;
    return true;
  }
  // F1 asks for the page that is shown already.
  if (IsFirstPress(message, lParam) && wParam != VK_F1) Hide(true);
  if (IsMouseButtonDown(message)) Hide(true);
  if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN || IsMouseButtonDown(message)) return true;
  if (message == WM_KILLFOCUS) Hide(false);
  if (message == WM_GETOBJECT && AsksForClient(lParam)) {
    const HelpText& help = TheHelpText();
    auto* object = new ControlAccessible(page_, {help.title, 0, HelpReading(help)});
    result = AnswerGetObject(object, wParam);
    object->Release();
    return result != 0;
  }
  return false;
}

}  // namespace tonvero
