#include "win32/phonelist/grid_window.h"

#include <windowsx.h>

#include <algorithm>

#include "win32/phonelist/grid_accessible.h"
#include "win32/ui/look.h"

namespace tonvero {
namespace {

// Lengths at 96 DPI; a row is 14 pixels high with a line of 1 below it.
constexpr int kTextInset = 2;
constexpr int kBorderGrip = 3;  // pixels either side of a title border that start a resize
constexpr int kWheelRows = 3;
constexpr int kWidestColumn = 2000;
constexpr int kFontPixels = 9;

using look::kAqua;
using look::kBlack;
using look::kTeal;

void Fill(HDC dc, const RECT& r, COLORREF color) {
  SetBkColor(dc, color);
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

}  // namespace

const char* GridWindow::ClassName() { return "TonveroPhoneGrid"; }

void GridWindow::RegisterClass(HINSTANCE instance) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = WindowProcedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.lpszClassName = ClassName();
  RegisterClassExA(&windowClass);
}

GridWindow::~GridWindow() {
  DisconnectScreenReaders();
  if (font_) DeleteObject(font_);
}

void GridWindow::Attach(HWND window, Source& source, Events& events, Scale scale) {
  source_ = &source;
  events_ = &events;
  AttachTo(window);
  SetScale(scale);
}

void GridWindow::SetScale(Scale scale) {
  const ColumnWidths widths = Widths();
  scale_ = scale;
  widths_ = ScaleWidths(widths, scale_.Dpi(), kLayoutDpi);
  if (font_) DeleteObject(font_);
  font_ = CreateFontA(-scale_(kFontPixels), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Small Fonts");
  Refresh();
}

ColumnWidths GridWindow::Widths() const { return ScaleWidths(widths_, kLayoutDpi, scale_.Dpi()); }

LRESULT GridWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return 1;  // painting covers the whole client area
    case WM_SIZE: UpdateScrollBar(); return 0;
    case WM_GETDLGCODE: return DialogCode(reinterpret_cast<const MSG*>(lParam));
    case WM_KEYDOWN: OnKeyDown(static_cast<int>(wParam)); return 0;
    case WM_CHAR: events_->CharTyped(static_cast<char>(wParam)); return 0;
    case WM_LBUTTONDOWN: OnMouseDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;
    case WM_LBUTTONDBLCLK: OnDoubleClick(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;
    case WM_MOUSEMOVE: OnMouseMove(GET_X_LPARAM(lParam)); return 0;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      if (resizing_ >= 0 && message == WM_LBUTTONUP) ReleaseCapture();
      resizing_ = -1;
      return 0;
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT) {
        POINT p;
        GetCursorPos(&p);
        ScreenToClient(hwnd_, &p);
        const bool onBorder = resizing_ >= 0 || (RowAt(p.y) == 0 && BorderAt(p.x) >= 0);
        SetCursor(LoadCursor(nullptr, onBorder ? IDC_SIZEWE : IDC_ARROW));
        return TRUE;
      }
      break;
    case WM_VSCROLL: OnVerticalScroll(LOWORD(wParam)); return 0;
    case WM_MOUSEWHEEL:
      ScrollTo(topRow_ - GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA * kWheelRows);
      return 0;
    case WM_SETFOCUS:
      InvalidateRect(hwnd_, nullptr, FALSE);
      events_->FocusReceived();
      AnnounceSelection(selectedRow_);
      return 0;
    case WM_KILLFOCUS: InvalidateRect(hwnd_, nullptr, FALSE); return 0;
    case WM_GETOBJECT:
      if (AsksForClient(lParam)) return AnswerScreenReader(wParam);
      break;
    case WM_DESTROY: DisconnectScreenReaders(); return 0;
  }
  return DefWindowProcA(hwnd_, message, wParam, lParam);
}

// The grid takes the arrow keys and typed characters, and Enter too: the
// message loop's dialog handling would otherwise turn Enter into a click of
// a default button. Tab and Esc keep their dialog meaning.
LRESULT GridWindow::DialogCode(const MSG* message) const {
  LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
  if (message && (message->message == WM_KEYDOWN || message->message == WM_CHAR) &&
      message->wParam == VK_RETURN) {
    code |= DLGC_WANTMESSAGE;
  }
  return code;
}

// ---- screen readers -------------------------------------------------------------

// One object answers every screen reader, for as long as the grid lives.
LRESULT GridWindow::AnswerScreenReader(WPARAM wParam) {
  if (!accessible_) accessible_ = new GridAccessible(*this);
  return AnswerGetObject(accessible_, wParam);
}

// A screen reader may keep the object after the grid has gone: its calls
// then fail, and its hold on the object ends.
void GridWindow::DisconnectScreenReaders() {
  if (!accessible_) return;
  accessible_->Disconnect();
  CoDisconnectObject(accessible_, 0);
  accessible_->Release();
  accessible_ = nullptr;
}

void GridWindow::AnnounceSelection(int row) const {
  if (row <= 0) return;
  NotifyWinEvent(EVENT_OBJECT_SELECTION, hwnd_, OBJID_CLIENT, row);
  if (GetFocus() == hwnd_) NotifyWinEvent(EVENT_OBJECT_FOCUS, hwnd_, OBJID_CLIENT, row);
}

RowCells GridWindow::CellsOf(int row) const {
  RowCells cells;
  for (int field = 1; field <= kRecordFields; ++field) cells[field - 1] = source_->CellText(row, field);
  return cells;
}

// ---- geometry ----------------------------------------------------------------

int GridWindow::ClientHeight() const {
  RECT r;
  GetClientRect(hwnd_, &r);
  return r.bottom;
}

int GridWindow::RowsInView() const { return std::max(1, (ClientHeight() - RowPitch()) / RowPitch()); }

int GridWindow::RowAt(int y) const {
  if (y < 0) return -1;
  if (y < RowPitch()) return 0;
  const int row = topRow_ + (y - RowPitch()) / RowPitch();
  return row <= source_->RecordRows() ? row : -1;
}

RECT GridWindow::RowPlace(int row) const {
  RECT client;
  GetClientRect(hwnd_, &client);
  const int top = (row - topRow_ + 1) * RowPitch();
  return {0, top, client.right, top + RowPitch() - Line()};
}

int GridWindow::BorderAt(int x) const {
  int right = 0;
  for (int column = 0; column < kGridColumns; ++column) {
    right += widths_[column] + Line();
    if (x >= right - scale_(kBorderGrip) && x <= right + scale_(kBorderGrip) - 1) return column;
  }
  return -1;
}

// ---- scrolling and selection ---------------------------------------------------

void GridWindow::ShowScrollBar(bool shown) {
  scrollBarShown_ = shown;
  ::ShowScrollBar(hwnd_, shown ? SB_VERT : SB_BOTH, shown);
  UpdateScrollBar();
}

void GridWindow::UpdateScrollBar() {
  // Setting the range would bring a taken-away scroll bar back.
  if (!hwnd_ || !scrollBarShown_) return;
  const int rows = source_->RecordRows();
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 1;
  info.nMax = std::max(1, rows);
  info.nPage = static_cast<UINT>(RowsInView());
  info.nPos = topRow_;
  SetScrollInfo(hwnd_, SB_VERT, &info, TRUE);
}

void GridWindow::ScrollTo(int topRow) {
  const int lastTop = std::max(1, source_->RecordRows() - RowsInView() + 1);
  topRow = std::clamp(topRow, 1, lastTop);
  if (topRow == topRow_) return;
  topRow_ = topRow;
  UpdateScrollBar();
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void GridWindow::Select(int row) {
  const bool moved = row != selectedRow_;
  selectedRow_ = row;
  if (row > 0 && row < topRow_) ScrollTo(row);
  else if (row >= topRow_ + RowsInView()) ScrollTo(row - RowsInView() + 1);
  InvalidateRect(hwnd_, nullptr, FALSE);
  if (moved) AnnounceSelection(row);
}

void GridWindow::Refresh() {
  ScrollTo(topRow_);  // a shorter list may leave the view past its end
  UpdateScrollBar();
  InvalidateRect(hwnd_, nullptr, FALSE);
  NotifyWinEvent(EVENT_OBJECT_REORDER, hwnd_, OBJID_CLIENT, CHILDID_SELF);
}

void GridWindow::SetWidths(const ColumnWidths& widths) {
  widths_ = ScaleWidths(widths, scale_.Dpi(), kLayoutDpi);
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void GridWindow::Choose(int row) {
  const int rows = source_->RecordRows();
  if (rows == 0) return;
  row = std::clamp(row, 1, rows);
  if (row != selectedRow_) events_->RowChosen(row);
  else Select(row);  // scrolled away: bring it back into view
}

// ---- input ----------------------------------------------------------------------

void GridWindow::OnKeyDown(int virtualKey) {
  if (events_->KeyPressed(virtualKey)) return;
  const int page = RowsInView();
  const int current = selectedRow_ > 0 ? selectedRow_ : topRow_;
  switch (virtualKey) {
    case VK_UP: Choose(current - 1); break;
    case VK_DOWN: Choose(current + 1); break;
    case VK_PRIOR: Choose(current - page); break;
    case VK_NEXT: Choose(current + page); break;
    case VK_HOME: Choose(1); break;
    case VK_END: Choose(source_->RecordRows()); break;
  }
}

void GridWindow::OnMouseDown(int x, int y) {
  SetFocus(hwnd_);
  const int row = RowAt(y);
  if (row == 0) {
    resizing_ = BorderAt(x);
    if (resizing_ >= 0) {
      dragStartX_ = x;
      dragStartWidth_ = widths_[resizing_];
      SetCapture(hwnd_);
    }
    return;
  }
  if (row > 0) Choose(row);
}

void GridWindow::OnMouseMove(int x) {
  if (resizing_ < 0) return;
  // The border follows the pointer from where it was grabbed.
  widths_[resizing_] = std::clamp(dragStartWidth_ + x - dragStartX_, 0, scale_(kWidestColumn));
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void GridWindow::OnDoubleClick(int x, int y) {
  const int row = RowAt(y);
  if (row <= 0) return;
  OnMouseDown(x, y);
  events_->DoubleClicked();
}

void GridWindow::OnVerticalScroll(int request) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  GetScrollInfo(hwnd_, SB_VERT, &info);
  switch (request) {
    case SB_LINEUP: ScrollTo(topRow_ - 1); break;
    case SB_LINEDOWN: ScrollTo(topRow_ + 1); break;
    case SB_PAGEUP: ScrollTo(topRow_ - RowsInView()); break;
    case SB_PAGEDOWN: ScrollTo(topRow_ + RowsInView()); break;
    case SB_TOP: ScrollTo(1); break;
    case SB_BOTTOM: ScrollTo(source_->RecordRows()); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: ScrollTo(info.nTrackPos); break;
  }
}

// ---- painting --------------------------------------------------------------------

void GridWindow::OnPaint() {
  PAINTSTRUCT paint;
  HDC windowDc = BeginPaint(hwnd_, &paint);
  RECT client;
  GetClientRect(hwnd_, &client);
  // Drawn off screen and copied at once, so scrolling does not flicker.
  HDC dc = CreateCompatibleDC(windowDc);
  HBITMAP bitmap = CreateCompatibleBitmap(windowDc, std::max(1L, client.right), std::max(1L, client.bottom));
  HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
  HGDIOBJ oldFont = SelectObject(dc, font_);
  Fill(dc, client, kAqua);

  PaintRow(dc, 0, 0, client.right);
  const int rows = source_->RecordRows();
  for (int row = topRow_, top = RowPitch(); row <= rows && top < client.bottom; ++row, top += RowPitch()) {
    PaintRow(dc, row, top, client.right);
  }

  BitBlt(windowDc, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
  SelectObject(dc, oldFont);
  SelectObject(dc, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(dc);
  EndPaint(hwnd_, &paint);
}

void GridWindow::PaintRow(HDC dc, int row, int top, int clientWidth) {
  const int line = Line();
  int left = 0;
  for (int column = 0; column < kGridColumns && left < clientWidth; ++column) {
    const RECT cell{left, top, left + widths_[column], top + RowPitch() - line};
    const bool fixed = row == 0 || column == 0;
    // The line below and the line right of the cell.
    Fill(dc, {cell.left, cell.bottom, cell.right + line, cell.bottom + line}, fixed ? look::kGridTitleLines : look::kGridLines);
    Fill(dc, {cell.right, cell.top, cell.right + line, cell.bottom}, fixed ? look::kGridTitleLines : look::kGridLines);
    PaintCell(dc, cell, row, column);
    left = cell.right + line;
  }
}

void GridWindow::PaintCell(HDC dc, const RECT& cell, int row, int column) {
  const bool fixed = row == 0 || column == 0;
  const bool selected = !fixed && row == selectedRow_;
  COLORREF background = fixed ? GetSysColor(COLOR_BTNFACE) : selected ? GetSysColor(COLOR_HIGHLIGHT) : kAqua;
  COLORREF text = selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : kBlack;
  switch (source_->Look(row, column, selectedRow_)) {
    case CellLook::kUsual: break;
    case CellLook::kSortTitle:
      background = GetSysColor(COLOR_BTNSHADOW);
      text = GetSysColor(COLOR_HIGHLIGHTTEXT);
      break;
    case CellLook::kBlank: Fill(dc, cell, background); return;
    case CellLook::kTeal: text = kTeal; break;
  }
  const std::string cellText = source_->CellText(row, column);
  SetBkColor(dc, background);
  SetTextColor(dc, text);
  ExtTextOutA(dc, cell.left + scale_(kTextInset), cell.top + scale_(kTextInset), ETO_OPAQUE | ETO_CLIPPED, &cell,
              cellText.data(), static_cast<UINT>(cellText.size()), nullptr);
}

}  // namespace tonvero
