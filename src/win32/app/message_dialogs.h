#pragma once
// The four small modal boxes the whole program uses: the Yes/No question,
// the notice with "Continue", the pause box of dialing, and the about box.
#include <string>

#include "win32/app/modal_dialog.h"

namespace tonvero {

class TQuestionBox : public ModalDialog {
 public:
  TQuestionBox();
  // True when the user answered "Yes"; "No", Esc and the close box give false.
  bool Ask(HWND owner, const std::string& question);

 private:
  std::vector<ControlSpec> Controls() const override;
  int OnInit() override;
  std::string question_;
};

class TErrorMessage : public ModalDialog {
 public:
  TErrorMessage();
  void Show(HWND owner, const std::string& notice);

 private:
  std::vector<ControlSpec> Controls() const override;
  int OnInit() override;
  std::string notice_;
};

class TPauseBox : public ModalDialog {
 public:
  TPauseBox();

 private:
  std::vector<ControlSpec> Controls() const override;
  int OnInit() override;
};

class TAboutBox : public ModalDialog {
 public:
  TAboutBox();
  ~TAboutBox() override;

 private:
  std::vector<ControlSpec> Controls() const override;
  int OnInit() override;
  HBITMAP logo_;
};

}  // namespace tonvero
