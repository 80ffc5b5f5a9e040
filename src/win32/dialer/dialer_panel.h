#pragma once
// The dialer on the left of the main window, a panel of its own: the keypad,
// the dialer screen with its dialing icons, "Clear", the speed bar with the
// mode indicator, "Dial" and "Mode". It owns the tone player and the modem
// port, and dials the screen's number through the current procedure in the
// chosen mode.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "core/calls/call_log.h"
#include "core/contacts/outside_number.h"
#include "core/dialer/dial_string.h"
#include "core/dialer/tone_player.h"
#include "core/location/dialing_location.h"
#include "core/location/number_translation.h"
#include "core/settings/settings.h"
#include "win32/dialer/win_sound.h"
#include "win32/modem/modem_dialer.h"
#include "win32/serial/serial_port.h"
#include "win32/settings/settings_file.h"
#include "win32/ui/base_window.h"
#include "win32/ui/control_ids.h"
#include "win32/ui/forms.h"
#include "win32/ui/neighbours.h"
#include "win32/ui/panel.h"

namespace tonvero {

class DialerPanel : public Panel<DialerPanel>,
                    public NumberDialer,
                    public SettingsView,
                    private DialTarget,
                    private ModemDialer::Display {
 public:
  // What dialing needs from around the panel.
  class Owner {
   public:
    virtual ~Owner() = default;
    // The text of the dialing procedure to dial the number through.
    virtual std::string ProcedureText() const = 0;
    // "Mode" chose other modes, lengths or port: `chosen` holds them.
    virtual void DialingModeChosen(const Settings& chosen) = 0;
    // Where the user dials from, for numbers written with "+".
    virtual const DialingLocation& Location() const = 0;
    // The procedure's name, and the name of the list's record the number
    // came from ("" when it came from elsewhere), for the call log.
    virtual std::string ProcedureName() const = 0;
    virtual std::string RecordNameOf(const std::string& number) const = 0;
  };

  // `settings` holds the modes, lengths and port the panel dials with; the
  // owner keeps them, and is told when "Mode" changes them.
  DialerPanel(const Settings& settings, Owner& owner, CallRecorder& recorder);
  ~DialerPanel();
  DialerPanel(const DialerPanel&) = delete;
  DialerPanel& operator=(const DialerPanel&) = delete;

  // Creates the panel with its controls at `place` (at 96 DPI) in
  // `parent`, at `scale`; Layout places them again at another.
  void Create(HWND parent, const RECT& place, Scale scale);
  void Layout(const RECT& place, Scale scale);
  // Reads the tone file. False, with what to tell the user in `refusal`,
  // when it is missing or damaged: the program cannot dial without it.
  bool LoadTones(const std::string& path, std::string& refusal);
  void StopSound();

  int Speed() const;
  void SetSpeed(int position);
  // The mode indicator above the speed bar, after the modes changed.
  void ShowMode();
  // SettingsView: the speed, and the mode in the indicator.
  void ShowSettings(const Settings& settings) override;
  void ReadSettings(Settings& settings) const override { settings.speedPosition = Speed(); }
  // Puts a number into the dialer screen.
  void ShowNumber(const std::string& number) override;
  // A link's number stands in the screen, for "Dial" to dial once the
  // person holds the handset to the speaker; it never dials by itself. A
  // link with no number is said. True when the number is shown.
  bool ShowLinkNumber(const CleanedNumber& link);
  // Dials what the screen holds; `recorder` is told of every dial once it
  // has ended, dialed or stopped by a failure.
  void Dial() override;
  // "Dial" takes the focus, so that Enter dials the number shown.
  void FocusDial() const { SetFocus(Item(IDC_DIAL)); }


 private:
  friend class BaseWindow<DialerPanel>;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommand(int id);
  LRESULT ColorScreen(HDC dc) const;
  void OnSpeedScroll(int request, int position);
  // The keys sound while held: they act on mouse down and up, not on click.
  LRESULT HandleSubclassMessage(HWND key, UINT_PTR id, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleScreenMessage(HWND screen, UINT message, WPARAM wParam, LPARAM lParam);
  void PressKey(int id);
  void ReleaseKey(int id);
  void ChooseMode();
  void NameForScreenReaders();
  std::string DialTranslated(const std::string& number, const TranslatedNumber& dial);
  // The dial as the call log keeps it, before its outcome.
  CallEntry CallFacts(const std::string& number, const std::string& dialed) const;
  // The dialing icons, one shown while idle, the other while dialing, drawn for `scale`.
  void DrawPictures(Scale scale);

  // DialTarget
  void ShowSymbol(char symbol) override;
  void Play(int toneIndex) override;
  void Compose(int toneIndex) override;
  void Flush() override;
  void Wait(unsigned ms) override;
  void Pause() override;
  // ModemDialer::Display
  HWND NoticeOwner() const override { return GetAncestor(hwnd_, GA_ROOT); }
  std::string Number() const override;
  void ShowDialing(bool dialing) override;
  void ShowSent(const std::string& piece) override;
  void PutNumberBack(const std::string& number) override;


  const Settings& settings_;
  Owner& owner_;
  HBRUSH screenBrush_;
  HBITMAP idlePicture_ = nullptr, dialingPicture_ = nullptr;
  WinSoundOutput sound_;
  WinClock clock_;
  std::unique_ptr<TonePlayer> player_;
  bool keyUnheard_ = false;       // the key held could not sound
  bool toldKeysUnheard_ = false;  // said once a run
  SerialPort modem_;  // open only while a modem dial is under way
  ModemDialer modemDialer_{modem_};
  CallRecorder& recorder_;
};

}  // namespace tonvero
