#include "win32/ui/message_boxes.h"

#include "win32/ui/control_ids.h"
#include "win32/ui/look.h"
#include "win32/ui/modal_dialog.h"

namespace tonvero {
namespace {

using namespace look;

class QuestionBox : public ModalDialog {
 public:
  explicit QuestionBox(const std::string& question)
      : ModalDialog("Question", 249, 97, true), question_(question) {}

 private:
  std::vector<ControlSpec> Controls() const override;
  int OnInit() override;
  std::string question_;
};

class NoticeBox : public ModalDialog {
 public:
  NoticeBox(const std::string& caption, const std::string& text)
      : ModalDialog(caption.c_str(), 393, 94, true), text_(text) {}

 private:
  std::vector<ControlSpec> Controls() const override;
  int OnInit() override;
  std::string text_;
};

class PauseBox : public ModalDialog {
 public:
  PauseBox() : ModalDialog("Pause", 225, 60, true) {}

 private:
  std::vector<ControlSpec> Controls() const override;
  int OnInit() override;
};

}  // namespace

bool AskYesNo(HWND owner, const std::string& question) {
  return QuestionBox(question).Show(owner) == IDOK;
}

void ShowWarning(HWND owner, const std::string& text) {
  MessageBoxA(owner, text.c_str(), "Tonvero", MB_OK | MB_ICONWARNING);
}

void ShowNotice(HWND owner, const std::string& text, const std::string& caption) {
  NoticeBox(caption, text).Show(owner);
}

void ShowPauseBox(HWND owner) { PauseBox().Show(owner); }

std::vector<ControlSpec> QuestionBox::Controls() const {
  return {
      {IDC_QUESTION_TEXT, "STATIC", "", 8, 8, 233, 33, kCentredPanel, kBoldFont, kMaroon},
      {IDC_YES_BUTTON, "BUTTON", "Yes", 32, 56, 73, 28, kPushButton, kDialogButtonFont},
      {IDC_NO_BUTTON, "BUTTON", "No", 144, 56, 73, 28, kPushButton, kDialogButtonFont},
  };
}

int QuestionBox::OnInit() {
  SetWindowTextA(Item(IDC_QUESTION_TEXT), question_.c_str());
  return IDC_NO_BUTTON;
}

std::vector<ControlSpec> NoticeBox::Controls() const {
  return {
      {IDC_NOTICE_TEXT, "STATIC", "", 8, 8, 377, 33, kCentredPanel, kBoldFont, kMaroon},
      {IDC_CONTINUE, "BUTTON", "Continue", 160, 56, 73, 28, kDefaultButton, kDialogButtonFont},
  };
}

int NoticeBox::OnInit() {
  SetWindowTextA(Item(IDC_NOTICE_TEXT), text_.c_str());
  return IDC_CONTINUE;
}

std::vector<ControlSpec> PauseBox::Controls() const {
  return {
      {IDC_PAUSE_TEXT, "STATIC", "Press Space To Continue ...", 8, 2, 209, 25, kCentredPanel,
       kDialogButtonFont, kNavy, nullptr, WS_EX_STATICEDGE},
      {IDC_PAUSE_OK, "BUTTON", "Space", 72, 30, 73, 28, kDefaultButton, kDialogButtonFont},
  };
}

int PauseBox::OnInit() { return IDC_PAUSE_OK; }

}  // namespace tonvero
