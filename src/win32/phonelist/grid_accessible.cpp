#include "win32/phonelist/grid_accessible.h"

#include "core/phonelist/spoken_row.h"
#include "win32/phonelist/grid_window.h"

namespace tonvero {
namespace {

constexpr const char* kListName = "Phone List";

}  // namespace

GridAccessible::GridAccessible(GridWindow& grid) : StandardAccessible(grid.Handle()), grid_(&grid) {}

// A grid that has gone fails every call; a child that is no row is refused.
HRESULT GridAccessible::Reach(const VARIANT& child, int& row) const {
  if (!grid_) return CO_E_OBJNOTCONNECTED;
  if (child.vt != VT_I4 || child.lVal < 0 || child.lVal > grid_->source_->RecordRows()) return E_INVALIDARG;
  row = child.lVal;
  return S_OK;
}

HRESULT GridAccessible::get_accChildCount(long* count) {
  if (!count) return E_POINTER;
  if (!grid_) return CO_E_OBJNOTCONNECTED;
  *count = grid_->source_->RecordRows();
  return S_OK;
}

// The rows are simple elements of the list, with no object of their own.
HRESULT GridAccessible::get_accChild(VARIANT child, IDispatch** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  int row = 0;
  if (const HRESULT unreached = Reach(child, row); unreached != S_OK) return unreached;
  return row == 0 ? E_INVALIDARG : S_FALSE;
}

HRESULT GridAccessible::get_accName(VARIANT child, BSTR* name) {
  if (!name) return E_POINTER;
  int row = 0;
  if (const HRESULT unreached = Reach(child, row); unreached != S_OK) return unreached;
  return ReplyText(row == 0 ? kListName : SpokenRow(grid_->CellsOf(row)), name);
}

// The list's value is the selected row, which Enter dials.
HRESULT GridAccessible::get_accValue(VARIANT child, BSTR* value) {
  if (!value) return E_POINTER;
  *value = nullptr;
  int row = 0;
  if (const HRESULT unreached = Reach(child, row); unreached != S_OK) return unreached;
  const int selected = grid_->selectedRow_;
  if (row != 0 || selected == 0) return S_FALSE;
  return ReplyText(SpokenRow(grid_->CellsOf(selected)), value);
}

// The list's header: its column titles.
HRESULT GridAccessible::get_accDescription(VARIANT child, BSTR* description) {
  if (!description) return E_POINTER;
  *description = nullptr;
  int row = 0;
  if (const HRESULT unreached = Reach(child, row); unreached != S_OK) return unreached;
  if (row != 0) return S_FALSE;
  return ReplyText(SpokenHeader(grid_->CellsOf(0)), description);
}

HRESULT GridAccessible::get_accRole(VARIANT child, VARIANT* role) {
  if (!role) return E_POINTER;
  int row = 0;
  if (const HRESULT unreached = Reach(child, row); unreached != S_OK) return unreached;
  return ReplyNumber(row == 0 ? ROLE_SYSTEM_LIST : ROLE_SYSTEM_LISTITEM, role);
}

HRESULT GridAccessible::get_accState(VARIANT child, VARIANT* state) {
  if (!state) return E_POINTER;
  int row = 0;
  if (const HRESULT unreached = Reach(child, row); unreached != S_OK) return unreached;
  if (row == 0) return StandardAccessible::get_accState(child, state);
  long flags = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
  if (row == grid_->selectedRow_) {
    flags |= STATE_SYSTEM_SELECTED;
    if (GetFocus() == window_) flags |= STATE_SYSTEM_FOCUSED;
  }
  if (row < grid_->topRow_ || row >= grid_->topRow_ + grid_->RowsInView()) flags |= STATE_SYSTEM_OFFSCREEN;
  return ReplyNumber(flags, state);
}

// The selected row while the grid has the focus; the list itself when no
// row is selected.
HRESULT GridAccessible::get_accFocus(VARIANT* child) {
  if (!child) return E_POINTER;
  if (!grid_) return CO_E_OBJNOTCONNECTED;
  if (GetFocus() != window_) return ReplyNothing(child);
  return ReplyNumber(grid_->selectedRow_ > 0 ? grid_->selectedRow_ : CHILDID_SELF, child);
}

HRESULT GridAccessible::get_accSelection(VARIANT* children) {
  if (!children) return E_POINTER;
  if (!grid_) return CO_E_OBJNOTCONNECTED;
  if (grid_->selectedRow_ == 0) return ReplyNothing(children);
  return ReplyNumber(grid_->selectedRow_, children);
}

// A row's place on the screen, where it is drawn, in view or not.
HRESULT GridAccessible::accLocation(long* left, long* top, long* width, long* height, VARIANT child) {
  if (!left || !top || !width || !height) return E_POINTER;
  int row = 0;
  if (const HRESULT unreached = Reach(child, row); unreached != S_OK) return unreached;
  if (row == 0) return StandardAccessible::accLocation(left, top, width, height, child);
  RECT place = grid_->RowPlace(row);
  MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&place), 2);
  *left = place.left;
  *top = place.top;
  *width = place.right - place.left;
  *height = place.bottom - place.top;
  return S_OK;
}

HRESULT GridAccessible::accNavigate(long direction, VARIANT start, VARIANT* end) {
  if (!end) return E_POINTER;
  int row = 0;
  if (const HRESULT unreached = Reach(start, row); unreached != S_OK) return unreached;
  const int rows = grid_->source_->RecordRows();
  int to = 0;
  if (row == 0) {
    if (direction == NAVDIR_FIRSTCHILD) to = 1;
    else if (direction == NAVDIR_LASTCHILD) to = rows;
    else return StandardAccessible::accNavigate(direction, start, end);
  } else if (direction == NAVDIR_NEXT || direction == NAVDIR_DOWN) {
    to = row + 1;
  } else if (direction == NAVDIR_PREVIOUS || direction == NAVDIR_UP) {
    to = row - 1;
  }
  if (to < 1 || to > rows) return ReplyNothing(end);
  return ReplyNumber(to, end);
}

HRESULT GridAccessible::accHitTest(long x, long y, VARIANT* child) {
  if (!child) return E_POINTER;
  if (!grid_) return CO_E_OBJNOTCONNECTED;
  POINT at{x, y};
  ScreenToClient(window_, &at);
  RECT client;
  GetClientRect(window_, &client);
  if (!PtInRect(&client, at)) return StandardAccessible::accHitTest(x, y, child);
  const int row = grid_->RowAt(at.y);
  return ReplyNumber(row > 0 ? row : CHILDID_SELF, child);
}

}  // namespace tonvero
