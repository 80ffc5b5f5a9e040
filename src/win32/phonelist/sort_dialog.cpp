#include "win32/phonelist/sort_dialog.h"

#include "win32/app/control_ids.h"
#include "win32/app/modal_dialog.h"

namespace tonvero {
namespace {

constexpr FontSpec kBold{"MS Sans Serif", 13, true};
constexpr DWORD kRadio = WS_VISIBLE | BS_AUTORADIOBUTTON;
constexpr DWORD kButton = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr int kRadioTops[kRecordFields] = {8, 32, 56, 80};

class TSortingBox : public ModalDialog {
 public:
  TSortingBox(const Titles& titles, int sortField)
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
                          169, 25, kRadio | (i == 0 ? WS_GROUP : 0)});
    }
    controls.push_back({IDC_SORT_OK, "BUTTON", "OK", 24, 128, 73, 28, kButton | WS_GROUP, kBold});
    controls.push_back({IDC_SORT_CANCEL, "BUTTON", "Cancel", 112, 128, 73, 28, kButton, kBold});
    return controls;
  }

  int OnInit() override {
    for (int i = 0; i < kRecordFields; ++i) {
      SetWindowTextA(Item(IDC_SORT_RADIO_1 + i), titles_[i].c_str());
    }
    Choose(IDC_SORT_RADIO_1 + sortField_ - 1);
    return IDC_SORT_CANCEL;
  }

  void OnCommand(int id, int code) override {
    if (code == BN_CLICKED && id >= IDC_SORT_RADIO_1 && id < IDC_SORT_RADIO_1 + kRecordFields) Choose(id);
  }

  void OnOk() override {
    sortField_ = 1;
    for (int i = 0; i < kRecordFields; ++i) {
      if (IsDlgButtonChecked(Handle(), IDC_SORT_RADIO_1 + i) == BST_CHECKED) {
        sortField_ = i + 1;
        break;
      }
    }
  }

  // Checks one button and gives it the group's tab stop, so that Tab into
  // the group lands on the chosen button and never changes the choice.
  void Choose(int id) {
    CheckRadioButton(Handle(), IDC_SORT_RADIO_1, IDC_SORT_RADIO_1 + kRecordFields - 1, id);
    for (int i = 0; i < kRecordFields; ++i) {
      HWND radio = Item(IDC_SORT_RADIO_1 + i);
      LONG_PTR style = GetWindowLongPtrA(radio, GWL_STYLE);
      style = IDC_SORT_RADIO_1 + i == id ? style | WS_TABSTOP : style & ~static_cast<LONG_PTR>(WS_TABSTOP);
      SetWindowLongPtrA(radio, GWL_STYLE, style);
    }
  }

  Titles titles_;
  int sortField_;
};

}  // namespace

bool ChooseSortField(HWND owner, const Titles& titles, int& sortField) {
  TSortingBox box(titles, sortField >= 1 && sortField <= kRecordFields ? sortField : 1);
  if (box.Show(owner) != IDOK) return false;
  sortField = box.SortField();
  return true;
}

}  // namespace tonvero
