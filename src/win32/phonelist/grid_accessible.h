#pragma once
// The phone-list grid as a screen reader sees it: a list whose children are
// the record rows (child id = row number), each named by its fields, the
// selected row selected (and focused while the grid has the focus), rows
// out of view off screen, and the column titles as the list's description.
// It answers from the live grid; once the grid has gone every call fails.
#include "win32/ui/accessible.h"

namespace tonvero {

class GridWindow;

class GridAccessible : public StandardAccessible {
 public:
  explicit GridAccessible(GridWindow& grid);
  // The grid is going: from now on every call fails.
  void Disconnect() { grid_ = nullptr; }

  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override;
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override;

 private:
  // The record row that `child` names in `row`, 0 for the list itself.
  HRESULT Reach(const VARIANT& child, int& row) const;

  GridWindow* grid_;
};

}  // namespace tonvero
