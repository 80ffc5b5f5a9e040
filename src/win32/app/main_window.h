#pragma once
// The main window: keypad and dialer screen on the left, the dialing
// procedure along the top, the phone list on the right. It owns all of the
// program's state.
#include <windows.h>

#include <memory>
#include <string>

#include "core/dialer/dial_string.h"
#include "core/dialer/tone_player.h"
#include "core/settings/settings.h"
#include "win32/app/forms.h"
#include "win32/app/message_dialogs.h"
#include "win32/dialer/win_sound.h"
#include "win32/modem/modem_dialer.h"
#include "win32/serial/comm.h"
#include "win32/merge/merge_command.h"
#include "win32/printing/print_phone_list.h"
#include "win32/procedures/procedure_bar.h"
#include "win32/phonelist/phone_grid.h"
#include "win32/settings/mode_dialog.h"
#include "win32/ui/base_window.h"

namespace tonvero {

class TTonvero : public BaseWindow<TTonvero>, private DialTarget, private TPhoneGrid::Owner {
 public:
  TTonvero();
  ~TTonvero() override;
  // Registers the class and creates the window; start-up runs inside.
  HWND Create(HINSTANCE instance, const char* firstArgument);

  bool AskQuestion(const std::string& question);
  void ShowNotice(const std::string& notice);

 private:
  friend class BaseWindow<TTonvero>;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // The keys and Help, which act on mouse down and up.
  LRESULT HandleSubclassMessage(HWND button, UINT_PTR id, UINT message, WPARAM wParam, LPARAM lParam);

  // Start-up and shutdown.
  void FormCreate();
  void FormDestroy();
  void CreateControls();
  void LoadTones();
  void LoadSettings();
  void LoadDialingProcedures();
  void SaveSettings();
  Settings CurrentSettings() const;
  void ApplySettings(const Settings& stored);
  void UpdateModeIndicator();

  // Controls.
  void OnCommand(int id, int code);
  void OnDrawItem(const DRAWITEMSTRUCT& item);
  LRESULT OnControlColor(HDC dc, HWND control);
  void OnSpeedScroll(int request, int position);
  void KeyMouseDown(int id);
  void KeyMouseUp(int id);
  void BitBtnHelpMouseDown();
  void BitBtnHelpMouseUp();
  void BitBtnExitClick();
  void Image1DblClick();
  void DialModeClick();
  void BitBtnPrintClick();
  void MergeClick(MergeKind kind);  // "Sync." and "Add"

  // Dialing.
  void DialCurrentNumber();
  void DialByModem();
  void ShowDialingIcon(bool dialing);
  void ShowSymbol(char symbol) override;
  void Play(int toneIndex) override;
  void Compose(int toneIndex) override;
  void Flush() override;
  void Wait(unsigned ms) override;
  void Pause() override;

  // Phone list.
  void LoadPhoneListAtStart();
  const std::string& DatabaseBase() const override { return settings_.dbBase; }
  void DatabaseOpened(const std::string& dbBase) override;
  void ShowNumber(const std::string& number) override;
  void DialNumber() override { DialCurrentNumber(); }
  void StepProcedure(int delta) override;

  HWND Item(int id) const { return form_.Item(id); }
  int SpeedPosition() const;

  HWND focusBeforeDeactivation_ = nullptr;
  std::string firstArgument_;
  std::string startDir_;
  Settings settings_;  // modes, lengths, port and paths; speed and widths live in their controls
  bool settingsFileUnread_ = false;  // tv.cn3 is there but could not be read: leave it
  Form form_;
  WinSoundOutput sound_;
  WinClock clock_;
  std::unique_ptr<TonePlayer> player_;
  TPhoneGrid phoneGrid_{*this};

  struct Pictures {
    Pictures();
    ~Pictures();
    HBITMAP logo, idle, dialing, banner, exitGlyph, help;
    HICON bigIcon, smallIcon;
  } pictures_;
  HBRUSH screenBrush_;
  TProcedureBar procedureBar_;

  TAboutBox aboutBox_;
  TPauseBox pauseBox_;
  TQuestionBox questionBox_;
  TDialingMode dialingMode_;
  TErrorMessage errorMessage_;

  TComm modem_;  // Modem: open only while a modem dial is under way
  TModemDialer modemDialer_{modem_, errorMessage_};
  PhoneListPrinter printer_;
};

}  // namespace tonvero
