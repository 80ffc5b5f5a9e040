#include "win32/app/about_box.h"

#include "core/app/version.h"
#include "win32/app/pictures.h"
#include "win32/ui/control_ids.h"
#include "win32/ui/look.h"
#include "win32/ui/modal_dialog.h"

namespace tonvero {
namespace {

using namespace look;

class AboutBox : public ModalDialog {
 public:
  AboutBox() : ModalDialog("About", 297, 219, true) {}
  ~AboutBox() override {
    if (logo_) DeleteObject(logo_);
  }

 private:
  std::vector<ControlSpec> Controls() const override;
  int OnInit() override;
  HBITMAP logo_ = nullptr;  // drawn at the box's scale
};

std::vector<ControlSpec> AboutBox::Controls() const {
  constexpr DWORD kTextLine = WS_VISIBLE | SS_LEFT | SS_NOPREFIX;
  return {
      {IDC_ABOUT_LOGO, "STATIC", "", 17, 17, 113, 113, WS_VISIBLE | SS_BITMAP},
      {IDC_ABOUT_NAME, "STATIC", "Tonvero", 144, 20, 136, 22, kTextLine, {"MS Sans Serif", 16, true}},
      {IDC_ABOUT_VERSION, "STATIC", "Version " TONVERO_VERSION_TEXT, 144, 46, 136, 16, kTextLine},
      {IDC_ABOUT_KIND, "STATIC", "Telephone dialer", 144, 76, 140, 16, kTextLine},
      {IDC_ABOUT_MAKER, "STATIC", "Velmora Software", 144, 94, 140, 16, kTextLine},
      {IDC_ABOUT_LICENCE, "STATIC", "Freeware for personal use.", 17, 138, 260, 14, kTextLine},
      {IDC_ABOUT_CONTACT, "STATIC", "Questions: support@velmora.example", 17, 152, 260, 14, kTextLine},
      {IDC_ABOUT_FRAME, "STATIC", "", 8, 8, 281, 161, WS_VISIBLE | SS_ETCHEDFRAME},
      {IDC_ABOUT_OK, "BUTTON", "OK", 112, 178, 73, 28, kDefaultButton, kDialogButtonFont},
  };
}

int AboutBox::OnInit() {
  logo_ = CreateLogoPicture(Scaling());
  SendMessageA(Item(IDC_ABOUT_LOGO), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(logo_));
  SetAccessibleName(IDC_ABOUT_LOGO, "Velmora Logo");
  return IDC_ABOUT_OK;
}

}  // namespace

void ShowAboutBox(HWND owner) { AboutBox().Show(owner); }

}  // namespace tonvero
