#pragma once
// The phone-list grid window: a fixed title row and a fixed row-number
// column, rows of 14 pixels at 96 DPI (all its lengths are scaled to its
// DPI), whole-row selection, columns resized by
// dragging the title row's borders, a vertical scroll bar only. It paints
// only the rows in view and asks its source for their cells, so a list of
// any length scrolls and selects at once. What the user does is handed to
// its events; the selection changes only when the owner selects a row.
// Screen readers get it as a list of rows (GridAccessible), and are told
// when the selection moves.
#include <windows.h>

#include <array>
#include <string>

#include "core/phonelist/grid_look.h"
#include "core/phonelist/spoken_row.h"
#include "win32/ui/base_window.h"
#include "win32/ui/scale.h"

namespace tonvero {

class GridAccessible;

class GridWindow : public BaseWindow<GridWindow> {
 public:
  class Source {
   public:
    virtual ~Source() = default;
    virtual int RecordRows() const = 0;
    virtual std::string CellText(int row, int column) const = 0;
    virtual CellLook Look(int row, int column, int selectedRow) const = 0;
  };
  class Events {
   public:
    virtual ~Events() = default;
    // The user asked for another row (click, arrow keys, paging).
    virtual void RowChosen(int row) = 0;
    virtual void DoubleClicked() = 0;
    // A typed character, Enter ('\r') included.
    virtual void CharTyped(char typed) = 0;
    // A key before the grid's own handling; true when it was taken.
    virtual bool KeyPressed(int virtualKey) = 0;
    virtual void FocusReceived() = 0;
  };

  static const char* ClassName();
  static void RegisterClass(HINSTANCE instance);

  GridWindow() = default;
  ~GridWindow();
  GridWindow(const GridWindow&) = delete;
  GridWindow& operator=(const GridWindow&) = delete;

  // Takes over a window of ClassName() created elsewhere, shown at `scale`.
  void Attach(HWND window, Source& source, Events& events, Scale scale);
  // Rows, columns, lines and text at another scale; the columns keep
  // their widths at 96 DPI.
  void SetScale(Scale scale);

  int SelectedRow() const { return selectedRow_; }
  // Selects `row` (0: none) and scrolls it into view; no event.
  void Select(int row);
  // The number of rows or their contents changed.
  void Refresh();

  // Takes the scroll bar away (while another control needs the room) or
  // gives it back; away, it stays away whatever the grid goes through.
  void ShowScrollBar(bool shown);

  // The column widths at 96 DPI, as the settings file keeps them.
  ColumnWidths Widths() const;
  void SetWidths(const ColumnWidths& widths);

 private:
  friend class BaseWindow<GridWindow>;
  friend class GridAccessible;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT AnswerScreenReader(WPARAM wParam);
  void DisconnectScreenReaders();
  // Tells screen readers that the selected row is `row`, and, while the
  // grid has the focus, that it has the focus.
  void AnnounceSelection(int row) const;

  void OnPaint();
  void PaintRow(HDC dc, int row, int top, int clientWidth);
  void PaintCell(HDC dc, const RECT& cell, int row, int column);
  void OnKeyDown(int virtualKey);
  void OnMouseDown(int x, int y);
  void OnMouseMove(int x);
  void OnDoubleClick(int x, int y);
  void OnVerticalScroll(int request);
  LRESULT DialogCode(const MSG* message) const;

  int RowPitch() const { return scale_(15); }  // a row and the line below it
  int Line() const { return scale_(1); }
  int ClientHeight() const;
  int RowsInView() const;  // whole record rows below the title row
  int RowAt(int y) const;  // 0 for the title row, -1 below the last row
  int BorderAt(int x) const;  // the column whose right border is at x, or -1
  RECT RowPlace(int row) const;  // in the client area, in view or not
  RowCells CellsOf(int row) const;  // the four fields of a row, or the titles (row 0)
  void ScrollTo(int topRow);
  void UpdateScrollBar();
  void Choose(int row);

  Source* source_ = nullptr;
  Events* events_ = nullptr;
  HFONT font_ = nullptr;
  Scale scale_;
  ColumnWidths widths_ = kDefaultColumnWidths;  // at scale_
  int topRow_ = 1;
  int selectedRow_ = 0;
  int resizing_ = -1;  // the column whose border is dragged
  int dragStartX_ = 0, dragStartWidth_ = 0;
  bool scrollBarShown_ = true;
  GridAccessible* accessible_ = nullptr;  // made at a screen reader's first ask
};

}  // namespace tonvero
