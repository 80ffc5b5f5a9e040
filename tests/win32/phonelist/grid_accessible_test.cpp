// The phone-list grid's accessible object as a screen reader in the same
// process gets it: answers read from the live grid, and errors, not stale
// rows or a crash, once the grid has gone.
#include <windows.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "win32/phonelist/grid_window.h"
#include "win32/ui/accessible.h"

namespace tonvero {
namespace {

class ThreeRecords : public GridWindow::Source, public GridWindow::Events {
 public:
  std::vector<RowCells> rows = {{"ANN", "LEE", "111", " "}, {"BOB", "RAY", "222", "HOME"}, {"CAT", "DOE", "333", " "}};

  int RecordRows() const override { return static_cast<int>(rows.size()); }
  std::string CellText(int row, int column) const override {
    if (column == 0) return std::to_string(row);
    return row == 0 ? RowCells{"FIRST", "LAST", "PHONE", "REMARKS"}[column - 1] : rows[row - 1][column - 1];
  }
  CellLook Look(int, int, int) const override { return CellLook::kUsual; }
  void RowChosen(int) override {}
  void DoubleClicked() override {}
  void CharTyped(char) override {}
  bool KeyPressed(int) override { return false; }
  void FocusReceived() override {}
};

VARIANT Child(long id) {
  VARIANT child;
  child.vt = VT_I4;
  child.lVal = id;
  return child;
}

std::string NameOf(IAccessible* list, long child) {
  BSTR name = nullptr;
  if (FAILED(list->get_accName(Child(child), &name)) || !name) return "(none)";
  std::string narrow = FromBstr(name);
  SysFreeString(name);
  return narrow;
}

TEST(GridAccessible, AnswersFromTheLiveGridAndFailsOnceItHasGone) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  GridWindow::RegisterClass(GetModuleHandleA(nullptr));
  HWND window = CreateWindowA(GridWindow::ClassName(), "", WS_POPUP, 0, 0, 385, 301, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
  ThreeRecords records;
  auto grid = std::make_unique<GridWindow>();
  grid->Attach(window, records, records, Scale());
  grid->Select(2);

  IAccessible* list = nullptr;
  ASSERT_EQ(S_OK, AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), kIidAccessible,
                                             reinterpret_cast<void**>(&list)));
  long count = 0;
  EXPECT_EQ(S_OK, list->get_accChildCount(&count));
  EXPECT_EQ(3, count);
  EXPECT_EQ("BOB RAY, 222, HOME", NameOf(list, 2));
  EXPECT_EQ("ANN LEE, 111", NameOf(list, 1));
  VARIANT state{}, selection{};
  EXPECT_EQ(S_OK, list->get_accState(Child(2), &state));
  EXPECT_TRUE(state.lVal & STATE_SYSTEM_SELECTED);
  EXPECT_EQ(S_OK, list->get_accState(Child(1), &state));
  EXPECT_FALSE(state.lVal & STATE_SYSTEM_SELECTED);
  EXPECT_EQ(S_OK, list->get_accSelection(&selection));
  EXPECT_EQ(2, selection.lVal);
  BSTR name = nullptr;
  EXPECT_EQ(E_INVALIDARG, list->get_accName(Child(4), &name));

  // A changed list is read as it is now, through the object already held.
  records.rows.push_back({"DAN", "FOX", "444", " "});
  grid->Refresh();
  EXPECT_EQ(S_OK, list->get_accChildCount(&count));
  EXPECT_EQ(4, count);
  EXPECT_EQ("DAN FOX, 444", NameOf(list, 4));

  // The selected row is the list's value; the rows follow one another, and
  // a point on a row is that row.
  BSTR value = nullptr;
  EXPECT_EQ(S_OK, list->get_accValue(Child(CHILDID_SELF), &value));
  EXPECT_EQ("BOB RAY, 222, HOME", FromBstr(value));
  SysFreeString(value);
  const struct {
    long direction, from, to;  // 0: no row there
  } steps[] = {{NAVDIR_NEXT, 2, 3}, {NAVDIR_NEXT, 4, 0}, {NAVDIR_PREVIOUS, 2, 1}, {NAVDIR_PREVIOUS, 1, 0},
               {NAVDIR_FIRSTCHILD, CHILDID_SELF, 1}, {NAVDIR_LASTCHILD, CHILDID_SELF, 4}};
  for (const auto& step : steps) {
    VARIANT reached{};
    list->accNavigate(step.direction, Child(step.from), &reached);
    EXPECT_EQ(step.to, reached.vt == VT_I4 ? reached.lVal : 0) << step.direction << " from " << step.from;
  }
  long left = 0, top = 0, width = 0, height = 0;
  VARIANT hit{};
  EXPECT_EQ(S_OK, list->accLocation(&left, &top, &width, &height, Child(3)));
  EXPECT_EQ(S_OK, list->accHitTest(left + 5, top + height / 2, &hit));
  EXPECT_EQ(3, hit.lVal);

  // Rows scrolled out of view are off screen; the selected one is in view.
  for (int more = 5; more <= 40; ++more) records.rows.push_back({"EVE", "GUY", std::to_string(more), " "});
  grid->Refresh();
  grid->Select(40);
  EXPECT_EQ(S_OK, list->get_accState(Child(1), &state));
  EXPECT_TRUE(state.lVal & STATE_SYSTEM_OFFSCREEN);
  EXPECT_EQ(S_OK, list->get_accState(Child(40), &state));
  EXPECT_FALSE(state.lVal & STATE_SYSTEM_OFFSCREEN);
  EXPECT_TRUE(state.lVal & STATE_SYSTEM_SELECTED);

  DestroyWindow(window);
  grid.reset();
  EXPECT_TRUE(FAILED(list->get_accChildCount(&count)));
  EXPECT_TRUE(FAILED(list->get_accName(Child(1), &name)));
  EXPECT_TRUE(FAILED(list->get_accSelection(&selection)));
  list->Release();
  CoUninitialize();
}

}  // namespace
}  // namespace tonvero
