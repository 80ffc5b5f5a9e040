#include "win32/phonelist/sort_dialog.h"

#include "win32/ui/control_ids.h"
#include "win32/ui/look.h"
#include "win32/ui/modal_dialog.h"
#include "win32/ui/radio_group.h"

namespace tonvero {
namespace {

using namespace look;
constexpr int kRadioTops[kRecordFields] = {8, 32, 56, 80};

class SortingBox : public ModalDialog {
 public:
  SortingBox(const Titles& titles, int sortField)
      : ModalDialog("Sorting", 209, 161, true), titles_(titles), sortField_(sortField) {}
  int SortField() const { return sortField_; }

 private:
  std::vector<ControlSpec> Controls() const override {
    const char* const ownCaptions[kRecordFields] = {"First Name", "Last Name", "Phone Number", "Remarks"};
    std::vector<ControlSpec> controls = {
        {IDC_SORT_PANEL, "BUTTON", "", 8, 8, 193, 113, WS_VISIBLE | BS_GROUPBOX}};
    for (int i = 0; i < kRecordFields; ++i) {
      // One group: the first button starts it; the chosen one takes the tab stop.
      controls.push_back({IDC_SORT_RADIO_1 + i, "BUTTON", ownCaptions[i], 8 + 16, 8 + kRadioTops[i],
                          169, 25, kRadioButton | (i == 0 ? WS_GROUP : 0)});
    }
    controls.push_back({IDC_SORT_OK, "BUTTON", "OK", 24, 128, 73, 28, kPushButton | WS_GROUP, kDialogButtonFont});
    controls.push_back({IDC_SORT_CANCEL, "BUTTON", "Cancel", 112, 128, 73, 28, kPushButton, kDialogButtonFont});
    return controls;
  }

  int OnInit() override {
    for (int i = 0; i < kRecordFields; ++i) {
      SetWindowTextA(Item(IDC_SORT_RADIO_1 + i), titles_[i].c_str());
    }
    columns_.Choose(Handle(), IDC_SORT_RADIO_1 + sortField_ - 1);
    return IDC_SORT_CANCEL;
  }

  void OnCommand(int id, int code) override {
    if (code == BN_CLICKED && id >= IDC_SORT_RADIO_1 && id < IDC_SORT_RADIO_1 + kRecordFields) {
      columns_.Choose(Handle(), id);
    }
  }

  void OnOk() override {
    const int checked = columns_.Checked(Handle());
    sortField_ = checked ? checked - IDC_SORT_RADIO_1 + 1 : 1;
  }

  const RadioGroup columns_{IDC_SORT_RADIO_1, kRecordFields};
  Titles titles_;
  int sortField_;
};

}  // namespace

bool ChooseSortField(HWND owner, const Titles& titles, int& sortField) {
  SortingBox box(titles, sortField >= 1 && sortField <= kRecordFields ? sortField : 1);
  if (box.Show(owner) != IDOK) return false;
  sortField = box.SortField();
  return true;
}

}  // namespace tonvero
