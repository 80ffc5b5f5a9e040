#include "win32/ui/list_view_accessible.h"

#include <windows.h>
#include <commctrl.h>

namespace tonvero {

ListViewAccessible::ListViewAccessible(HWND listView, std::string listName, ItemName itemName)
    : StandardAccessible(listView), listName_(std::move(listName)), itemName_(std::move(itemName)) {}

int ListViewAccessible::Count() const { return static_cast<int>(SendMessageA(window_, LVM_GETITEMCOUNT, 0, 0)); }

HRESULT ListViewAccessible::Reach(const VARIANT& child, int& item) const {
  if (!itemName_ || Gone()) return CO_E_OBJNOTCONNECTED;
  if (child.vt != VT_I4 || child.lVal < 0 || child.lVal > Count()) return E_INVALIDARG;
  item = child.lVal;
  return S_OK;
}

HRESULT ListViewAccessible::get_accChildCount(long* count) {
  if (!count) return E_POINTER;
  if (!itemName_ || Gone()) return CO_E_OBJNOTCONNECTED;
  *count = Count();
  return S_OK;
}

// The items are simple elements of the list, with no object of their own.
HRESULT ListViewAccessible::get_accChild(VARIANT child, IDispatch** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  int item = 0;
  if (const HRESULT unreached = Reach(child, item); unreached != S_OK) return unreached;
  return item == 0 ? E_INVALIDARG : S_FALSE;
}

HRESULT ListViewAccessible::get_accName(VARIANT child, BSTR* name) {
  if (!name) return E_POINTER;
  int item = 0;
  if (const HRESULT unreached = Reach(child, item); unreached != S_OK) return unreached;
  return ReplyText(item == 0 ? listName_ : itemName_(item - 1), name);
}

HRESULT ListViewAccessible::get_accRole(VARIANT child, VARIANT* role) {
  if (!role) return E_POINTER;
  int item = 0;
  if (const HRESULT unreached = Reach(child, item); unreached != S_OK) return unreached;
  return ReplyNumber(item == 0 ? ROLE_SYSTEM_LIST : ROLE_SYSTEM_LISTITEM, role);
}

HRESULT ListViewAccessible::get_accState(VARIANT child, VARIANT* state) {
  if (!state) return E_POINTER;
  int item = 0;
  if (const HRESULT unreached = Reach(child, item); unreached != S_OK) return unreached;
  if (item == 0) return StandardAccessible::get_accState(child, state);
  long flags = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_MULTISELECTABLE;
  const UINT itemState = static_cast<UINT>(
      SendMessageA(window_, LVM_GETITEMSTATE, item - 1, LVIS_SELECTED | LVIS_FOCUSED));
  if (itemState & LVIS_SELECTED) flags |= STATE_SYSTEM_SELECTED;
  if ((itemState & LVIS_FOCUSED) && GetFocus() == window_) flags |= STATE_SYSTEM_FOCUSED;
  RECT place{LVIR_BOUNDS, 0, 0, 0}, client;
  GetClientRect(window_, &client);
  SendMessageA(window_, LVM_GETITEMRECT, item - 1, reinterpret_cast<LPARAM>(&place));
  RECT seen;
  if (!IntersectRect(&seen, &place, &client)) flags |= STATE_SYSTEM_OFFSCREEN;
  return ReplyNumber(flags, state);
}

// The focused item while the list has the focus; the list itself when no
// item is focused.
HRESULT ListViewAccessible::get_accFocus(VARIANT* child) {
  if (!child) return E_POINTER;
  if (!itemName_ || Gone()) return CO_E_OBJNOTCONNECTED;
  if (GetFocus() != window_) return ReplyNothing(child);
  const int focused = static_cast<int>(SendMessageA(window_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
  return ReplyNumber(focused >= 0 ? focused + 1 : CHILDID_SELF, child);
}

// The focused item when it is selected, else the first selected one: a
// reader says the item the user is at.
HRESULT ListViewAccessible::get_accSelection(VARIANT* children) {
  if (!children) return E_POINTER;
  if (!itemName_ || Gone()) return CO_E_OBJNOTCONNECTED;
  int item = static_cast<int>(SendMessageA(window_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED | LVNI_SELECTED));
  if (item < 0) item = static_cast<int>(SendMessageA(window_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  if (item < 0) return ReplyNothing(children);
  return ReplyNumber(item + 1, children);
}

HRESULT ListViewAccessible::accLocation(long* left, long* top, long* width, long* height, VARIANT child) {
  if (!left || !top || !width || !height) return E_POINTER;
  int item = 0;
  if (const HRESULT unreached = Reach(child, item); unreached != S_OK) return unreached;
  if (item == 0) return StandardAccessible::accLocation(left, top, width, height, child);
  RECT place{LVIR_BOUNDS, 0, 0, 0};
  SendMessageA(window_, LVM_GETITEMRECT, item - 1, reinterpret_cast<LPARAM>(&place));
  MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&place), 2);
  *left = place.left;
  *top = place.top;
  *width = place.right - place.left;
  *height = place.bottom - place.top;
  return S_OK;
}

HRESULT ListViewAccessible::accNavigate(long direction, VARIANT start, VARIANT* end) {
  if (!end) return E_POINTER;
  int item = 0;
  if (const HRESULT unreached = Reach(start, item); unreached != S_OK) return unreached;
  const int count = Count();
  int to = 0;
  if (item == 0) {
    if (direction == NAVDIR_FIRSTCHILD) to = 1;
    else if (direction == NAVDIR_LASTCHILD) to = count;
    else return StandardAccessible::accNavigate(direction, start, end);
  } else if (direction == NAVDIR_NEXT || direction == NAVDIR_DOWN) {
    to = item + 1;
  } else if (direction == NAVDIR_PREVIOUS || direction == NAVDIR_UP) {
    to = item - 1;
  }
  if (to < 1 || to > count) return ReplyNothing(end);
  return ReplyNumber(to, end);
}

HRESULT ListViewAccessible::accHitTest(long x, long y, VARIANT* child) {
  if (!child) return E_POINTER;
  if (!itemName_ || Gone()) return CO_E_OBJNOTCONNECTED;
  LVHITTESTINFO hit{};
  hit.pt = {x, y};
  ScreenToClient(window_, &hit.pt);
  RECT client;
  GetClientRect(window_, &client);
  if (!PtInRect(&client, hit.pt)) return StandardAccessible::accHitTest(x, y, child);
  const int item = static_cast<int>(SendMessageA(window_, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  return ReplyNumber(item >= 0 ? item + 1 : CHILDID_SELF, child);
}

}  // namespace tonvero
