#pragma once
// A list view as a screen reader sees it: a list whose children are its
// items (child id = item index + 1), each named by the text its owner
// gives (the item's fields, as the phone list's rows are named), selected
// and focused as the list view has them, out of view off screen. It
// answers from the live list view; once the window has gone every call
// fails.
#include <functional>
#include <string>

#include "win32/ui/accessible.h"

namespace tonvero {

class ListViewAccessible : public StandardAccessible {
 public:
  using ItemName = std::function<std::string(int item)>;
  ListViewAccessible(HWND listView, std::string listName, ItemName itemName);
  // The owner is going: from now on every call fails.
  void Disconnect() { itemName_ = nullptr; }

  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override;
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override;

 private:
  int Count() const;
  // The item (from 1) that `child` names in `item`, 0 for the list itself.
  HRESULT Reach(const VARIANT& child, int& item) const;

  std::string listName_;
  ItemName itemName_;
};

}  // namespace tonvero
