#include "win32/procedures/insert_dialog.h"

#include "win32/ui/control_ids.h"
#include "win32/ui/look.h"
#include "win32/ui/modal_dialog.h"

namespace tonvero {
namespace {

using namespace look;

class ProcedureNameBox : public ModalDialog {
 public:
  explicit ProcedureNameBox(std::string name)
      : ModalDialog("DP Insert", OuterSize{225, 148}, true), name_(std::move(name)) {}
  const std::string& Name() const { return name_; }

 private:
  std::vector<ControlSpec> Controls() const override {
    return {
        {IDC_DP_INSERT_FRAME, "STATIC", "", 8, 8, 201, 73, WS_VISIBLE | SS_ETCHEDFRAME},
        {IDC_DP_INSERT_PROMPT, "STATIC", "Enter The New DP Name ", 16, 16, 185, 25,
         kCentredPanel, kBoldFont, kNavy, nullptr,
         WS_EX_STATICEDGE},
        {IDC_DP_INSERT_NAME, "EDIT", "", 16, 48, 185, 21,
         WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_UPPERCASE | ES_AUTOHSCROLL},
        // Enter in the name field presses the default button, so it closes with OK.
        {IDC_DP_INSERT_ENTER, "BUTTON", "Enter", 24, 88, 73, 28,
         kDefaultButton, kBoldFont},
        {IDC_DP_INSERT_CANCEL, "BUTTON", "Cancel", 120, 88, 73, 28,
         kPushButton, kBoldFont},
    };
  }
  int OnInit() override {
    SetWindowTextA(Item(IDC_DP_INSERT_NAME), name_.c_str());
    NameByLabel(IDC_DP_INSERT_NAME, IDC_DP_INSERT_PROMPT);
    return IDC_DP_INSERT_NAME;
  }
  void OnOk() override { name_ = WindowText(Item(IDC_DP_INSERT_NAME)); }

  std::string name_;
};

}  // namespace

bool AskProcedureName(HWND owner, std::string& name) {
  ProcedureNameBox box(name);
  if (box.Show(owner) != IDOK) return false;
  name = box.Name();
  return true;
}

}  // namespace tonvero
