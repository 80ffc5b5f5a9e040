#pragma once
// A modal dialog whose controls come from a form table in pixels. It is a
// standard dialog window, so Esc, Enter, Tab and the space bar behave as
// users expect; it closes with IDOK or IDCANCEL.
#include <windows.h>

#include <string>
#include <vector>

#include "win32/app/forms.h"

namespace tonvero {

class ModalDialog {
 public:
  virtual ~ModalDialog() = default;
  // Shows the dialog centred on the screen; returns IDOK or IDCANCEL
  // (Cancel is preset, so the close box gives IDCANCEL).
  int Show(HWND owner);
  // The caption of the next Show.
  void SetCaption(const std::string& caption) { caption_ = caption; }
  const std::string& Caption() const { return caption_; }

 protected:
  ModalDialog(const char* caption, int clientWidth, int clientHeight, bool closeBox);
  // A dialog whose size is given from outside: frame and caption included.
  struct OuterSize {
    int width, height;
  };
  ModalDialog(const char* caption, OuterSize outer, bool closeBox);
  virtual std::vector<ControlSpec> Controls() const = 0;
  // Fills the controls before the dialog is shown; returns the id to focus.
  virtual int OnInit() = 0;
  // Reads the controls back when the dialog closes with IDOK.
  virtual void OnOk() {}
  virtual void OnCommand(int /*id*/, int /*code*/) {}

  HWND Item(int id) const { return form_->Item(id); }
  HWND Handle() const { return hwnd_; }

 private:
  static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);

  std::string caption_;
  int width_, height_;
  bool closeBox_;
  bool outerSize_ = false;
  HWND hwnd_ = nullptr;
  Form* form_ = nullptr;  // lives while the dialog is shown
};

}  // namespace tonvero
