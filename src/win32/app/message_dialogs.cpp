#include "win32/app/message_dialogs.h"

#include "core/app/version.h"
#include "win32/app/control_ids.h"
#include "win32/app/pictures.h"

namespace tonvero {
namespace {

constexpr COLORREF kMaroon = RGB(0x80, 0, 0);
constexpr COLORREF kNavy = RGB(0, 0, 0x80);
constexpr FontSpec kMessageFont{"MS Sans Serif", 11, true};
constexpr FontSpec kButtonFont{"MS Sans Serif", 13, true};
constexpr DWORD kPanel = WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX;
constexpr DWORD kButton = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kDefaultButton = WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON;

}  // namespace

TQuestionBox::TQuestionBox() : ModalDialog("Question", 249, 97, true) {}

bool TQuestionBox::Ask(HWND owner, const std::string& question) {
  question_ = question;
  return ModalDialog::Show(owner) == IDOK;
}

std::vector<ControlSpec> TQuestionBox::Controls() const {
  return {
      {IDC_QUESTION_TEXT, "STATIC", "", 8, 8, 233, 33, kPanel, kMessageFont, kMaroon},
      {IDC_YES_BUTTON, "BUTTON", "Yes", 32, 56, 73, 28, kButton, kButtonFont},
      {IDC_NO_BUTTON, "BUTTON", "No", 144, 56, 73, 28, kButton, kButtonFont},
  };
}

int TQuestionBox::OnInit() {
  SetWindowTextA(Item(IDC_QUESTION_TEXT), question_.c_str());
  return IDC_NO_BUTTON;
}

TErrorMessage::TErrorMessage() : ModalDialog("Error Message", 393, 94, true) {}

void TErrorMessage::Show(HWND owner, const std::string& notice) {
  notice_ = notice;
  ModalDialog::Show(owner);
}

std::vector<ControlSpec> TErrorMessage::Controls() const {
  return {
      {IDC_NOTICE_TEXT, "STATIC", "", 8, 8, 377, 33, kPanel, kMessageFont, kMaroon},
      {IDC_CONTINUE, "BUTTON", "Continue", 160, 56, 73, 28, kDefaultButton, kButtonFont},
  };
}

int TErrorMessage::OnInit() {
  SetWindowTextA(Item(IDC_NOTICE_TEXT), notice_.c_str());
  return IDC_CONTINUE;
}

TPauseBox::TPauseBox() : ModalDialog("Pause", 225, 60, true) {}

std::vector<ControlSpec> TPauseBox::Controls() const {
  return {
      {IDC_PAUSE_TEXT, "STATIC", "Press Space To Continue ...", 8, 2, 209, 25, kPanel,
       {"MS Sans Serif", 13, true}, kNavy, nullptr, WS_EX_STATICEDGE},
      {IDC_PAUSE_OK, "BUTTON", "Space", 72, 30, 73, 28, kDefaultButton, kButtonFont},
  };
}

int TPauseBox::OnInit() { return IDC_PAUSE_OK; }

TAboutBox::TAboutBox() : ModalDialog("About", 297, 219, true), logo_(CreateLogoPicture()) {}

TAboutBox::~TAboutBox() { DeleteObject(logo_); }

std::vector<ControlSpec> TAboutBox::Controls() const {
  constexpr DWORD kLabel = WS_VISIBLE | SS_LEFT | SS_NOPREFIX;
  constexpr int kLogoId = 1250, kFrameId = 1251;
  return {
      {kLogoId, "STATIC", "", 17, 17, 113, 113, WS_VISIBLE | SS_BITMAP},
      {1252, "STATIC", "Tonvero", 144, 20, 136, 22, kLabel, {"MS Sans Serif", 16, true}},
      {IDC_ABOUT_VERSION, "STATIC", "Version " TONVERO_VERSION_TEXT, 144, 46, 136, 16, kLabel},
      {1254, "STATIC", "Telephone dialer", 144, 76, 140, 16, kLabel},
      {1255, "STATIC", "Velmora Software", 144, 94, 140, 16, kLabel},
      {1256, "STATIC", "Freeware for personal use.", 17, 138, 260, 14, kLabel},
      {1257, "STATIC", "Questions: support@velmora.example", 17, 152, 260, 14, kLabel},
      {kFrameId, "STATIC", "", 8, 8, 281, 161, WS_VISIBLE | SS_ETCHEDFRAME},
      {IDC_ABOUT_OK, "BUTTON", "OK", 112, 178, 73, 28, kDefaultButton, kButtonFont},
  };
}

int TAboutBox::OnInit() {
  SendMessageA(Item(1250), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(logo_));
  return IDC_ABOUT_OK;
}

}  // namespace tonvero
