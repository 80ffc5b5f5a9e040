#include "win32/phonelist/record_dialog.h"

#include <commctrl.h>

#include <array>
#include <string>

#include "core/common/text.h"
#include "win32/ui/control_ids.h"
#include "win32/ui/look.h"
#include "win32/ui/modal_dialog.h"

namespace tonvero {
namespace {

using namespace look;
constexpr DWORD kField = WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_UPPERCASE | ES_AUTOHSCROLL;
constexpr int kFieldTops[kRecordFields] = {8, 40, 72, 104};

class RecordBox : public ModalDialog {
 public:
  RecordBox(const char* caption, const Titles& titles, const Record& record)
      : ModalDialog(caption, 297, 192, true), titles_(titles) {
    for (int column = 1; column <= kRecordFields; ++column) typed_[column - 1] = FieldOf(record, column);
  }
  const std::array<std::string, kRecordFields>& Typed() const { return typed_; }

 private:
  std::vector<ControlSpec> Controls() const override {
    std::vector<ControlSpec> controls = {
        {IDC_FIELD_PANEL, "BUTTON", "", 8, 8, 281, 137, WS_VISIBLE | BS_GROUPBOX}};
    for (int i = 0; i < kRecordFields; ++i) {
      // Inside the panel, which begins at 8, 8.
      controls.push_back({IDC_FIELD_LABEL_1 + i, "STATIC", "", 16, 8 + kFieldTops[i], 121, 20,
                          kCentredPanel, {}, CLR_INVALID, nullptr, WS_EX_STATICEDGE});
      controls.push_back({IDC_FIELD_EDIT_1 + i, "EDIT", "", 144, 8 + kFieldTops[i], 137, 21, kField});
    }
    controls.push_back({IDC_RECORD_OK, "BUTTON", "OK", 56, 152, 73, 28, kPushButton, kDialogButtonFont});
    controls.push_back({IDC_RECORD_CANCEL, "BUTTON", "Cancel", 168, 152, 73, 28, kPushButton, kDialogButtonFont});
    return controls;
  }

  int OnInit() override {
    for (int i = 0; i < kRecordFields; ++i) {
      SetWindowTextA(Item(IDC_FIELD_LABEL_1 + i), TrimField(titles_[i]).c_str());
      HWND field = Item(IDC_FIELD_EDIT_1 + i);
      SetWindowTextA(field, typed_[i].c_str());
      Subclass(field, static_cast<UINT_PTR>(i));
      NameByLabel(IDC_FIELD_EDIT_1 + i, IDC_FIELD_LABEL_1 + i);
    }
    return IDC_RECORD_CANCEL;
  }

  void OnOk() override {
    for (int i = 0; i < kRecordFields; ++i) typed_[i] = WindowText(Item(IDC_FIELD_EDIT_1 + i));
  }

  // Enter in a field moves the focus on instead of pressing a button.
  LRESULT HandleSubclassMessage(HWND field, UINT_PTR index, UINT message, WPARAM wParam,
                                LPARAM lParam) override {
    switch (message) {
      case WM_GETDLGCODE: {
        const auto* key = reinterpret_cast<const MSG*>(lParam);
        LRESULT code = DefSubclassProc(field, message, wParam, lParam);
        if (key && (key->message == WM_KEYDOWN || key->message == WM_CHAR) && key->wParam == VK_RETURN) {
          code |= DLGC_WANTMESSAGE;
        }
        return code;
      }
      case WM_KEYDOWN:
        if (wParam == VK_RETURN) {
          const int next = index + 1 < kRecordFields ? IDC_FIELD_EDIT_1 + static_cast<int>(index) + 1
                                                     : IDC_RECORD_OK;
          SendMessageA(Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(next)), TRUE);
          return 0;
        }
        break;
      case WM_CHAR:
        if (wParam == '\r') return 0;  // no beep
        break;
      case WM_NCDESTROY:
        Unsubclass(field, index);
        break;
    }
    return DefSubclassProc(field, message, wParam, lParam);
  }

  Titles titles_;
  std::array<std::string, kRecordFields> typed_;
};

}  // namespace

bool EditRecord(HWND owner, const char* caption, const Titles& titles, Record& record) {
  RecordBox box(caption, titles, record);
  if (box.Show(owner) != IDOK) return false;
  record = RecordFromInput(box.Typed());
  return true;
}

}  // namespace tonvero
