#pragma once
// A modal dialog whose controls come from a form table in pixels at 96 DPI,
// laid out at the dialog's own DPI. It is a standard dialog window, so Esc, Enter, Tab and the space bar behave as
// users expect; it closes with IDOK, IDCANCEL or a result of its own.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "win32/ui/forms.h"
#include "win32/ui/base_window.h"

namespace tonvero {

// The result of a dialog button that means "all" (as "Print All").
constexpr int kResultAll = 8;

class ModalDialog : public BaseWindow<ModalDialog> {
 public:
  virtual ~ModalDialog() = default;
  // Shows the dialog centred on the screen, at its DPI; returns IDOK, IDCANCEL (preset,
  // so Esc and the close box give it) or the result passed to Close.
  int Show(HWND owner);
  // Shows the dialog as Show does but without a loop of its own: it stays
  // until Dismiss, and the loop that runs meanwhile passes it its keys
  // (IsDialogMessage).
  void ShowModeless(HWND owner);
  void Dismiss();

 protected:
  ModalDialog(const char* caption, int clientWidth, int clientHeight, bool closeBox,
              bool minimizeBox = false);
  // A dialog whose size is given from outside: frame and caption included.
  struct OuterSize {
    int width, height;
  };
  ModalDialog(const char* caption, OuterSize outer, bool closeBox);
  // Ends the dialog with any result, for buttons other than OK and Cancel.
  void Close(int result) { EndDialog(hwnd_, result); }
  virtual std::vector<ControlSpec> Controls() const = 0;
  // Fills the controls before the dialog is shown; returns the id to focus.
  virtual int OnInit() = 0;
  // Reads the controls back when the dialog closes with IDOK.
  virtual void OnOk() {}
  virtual void OnCommand(int /*id*/, int /*code*/) {}
  // Cancel, Esc or the close box.
  virtual void OnCancel() { Close(IDCANCEL); }
  // Any other message (notifications, sizing, the end): true, with the
  // dialog procedure's result, when handled.
  virtual bool OnMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/, INT_PTR& /*result*/) { return false; }

  // Messages of controls the dialog subclassed with Subclass.
  virtual LRESULT HandleSubclassMessage(HWND control, UINT_PTR id, UINT message, WPARAM wParam,
                                        LPARAM lParam);

  HWND Item(int id) const { return form_->Item(id); }
  // The scale the dialog is laid out at, from OnInit on.
  const Scale& Scaling() const { return form_->Scaling(); }
  // A field that a label names, for screen readers, or a name of its own.
  void NameByLabel(int id, int labelId) { form_->NameByLabel(id, labelId); }
  void SetAccessibleName(int id, std::string name) { form_->SetAccessibleName(id, std::move(name)); }

 private:
  friend class BaseWindow<ModalDialog>;
  INT_PTR HandleDialogMessage(UINT message, WPARAM wParam, LPARAM lParam);

  std::string caption_;
  int width_, height_;
  bool closeBox_, minimizeBox_ = false;
  bool outerSize_ = false;
  Form* form_ = nullptr;  // lives while the dialog is shown
  std::unique_ptr<Form> modelessForm_;
};

}  // namespace tonvero
