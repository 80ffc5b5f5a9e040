#include "win32/dialer/dialer_panel.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "core/common/text.h"
#include "core/contacts/outside_number.h"
#include "core/dialer/tones.h"
#include "core/location/number_translation.h"
#include "win32/dialer/telephone_pictures.h"
#include "win32/files/files.h"
#include "win32/settings/mode_dialog.h"
#include "win32/ui/control_ids.h"
#include "win32/ui/look.h"
#include "win32/ui/message_boxes.h"
#include "win32/ui/panel.h"

namespace tonvero {
namespace {

using namespace look;

constexpr FontSpec kKeyFont{"MS Sans Serif", 16, true};
constexpr FontSpec kStarFont{"Courier New", 25, false};
constexpr DWORD kPicture = WS_VISIBLE | SS_BITMAP;
constexpr const char* kSilverBoxHint = " Silver Box Key ! Don`t Use It For Regular Dialing ! ";

struct Key {
  int id;
  const char* caption;  // the symbol the key sends
  int left, top;
  char symbol() const { return caption[0]; }
};
// The keypad: "1".."9" row by row, then "*", "0", "#", and A..D beside them;
// places in the panel's client area, as every control's here.
constexpr Key kKeys[] = {
    {IDC_KEY_0 + 1, "1", 8, 32},    {IDC_KEY_0 + 2, "2", 64, 32},   {IDC_KEY_0 + 3, "3", 120, 32},
    {IDC_KEY_0 + 4, "4", 8, 72},   {IDC_KEY_0 + 5, "5", 64, 72},  {IDC_KEY_0 + 6, "6", 120, 72},
    {IDC_KEY_0 + 7, "7", 8, 112},   {IDC_KEY_0 + 8, "8", 64, 112},  {IDC_KEY_0 + 9, "9", 120, 112},
    {IDC_KEY_ST, "*", 8, 152},      {IDC_KEY_0, "0", 64, 152},      {IDC_KEY_NM, "#", 120, 152},
    {IDC_KEY_A, "A", 176, 32},      {IDC_KEY_A + 1, "B", 176, 72}, {IDC_KEY_A + 2, "C", 176, 112},
    {IDC_KEY_A + 3, "D", 176, 152},
};

const Key* FindKey(int id) {
  for (const Key& key : kKeys) {
    if (key.id == id) return &key;
  }
  return nullptr;
}

bool IsSilverBoxKey(const Key& key) { return key.symbol() >= 'A' && key.symbol() <= 'D'; }
COLORREF PressedColor(const Key& key) { return IsSilverBoxKey(key) ? kFuchsia : kAqua; }
COLORREF ReleasedColor(const Key& key) { return IsSilverBoxKey(key) ? kPurple : kTeal; }

// The letters printed under the keys 2..9 and 0.
struct KeyLetters {
  int keyId;
  const char* letters;
};
constexpr KeyLetters kKeyLetters[] = {
    {IDC_KEY_0 + 2, "a b c"}, {IDC_KEY_0 + 3, "d e f"}, {IDC_KEY_0 + 4, "g h i"},
    {IDC_KEY_0 + 5, "j k l"}, {IDC_KEY_0 + 6, "m n o"}, {IDC_KEY_0 + 7, "p r s"},
    {IDC_KEY_0 + 8, "t u v"}, {IDC_KEY_0 + 9, "w x y"}, {IDC_KEY_0, "o p r"},
};

std::vector<ControlSpec> Controls() {
  std::vector<ControlSpec> c;
  for (const Key& key : kKeys) {
    const bool silverBox = IsSilverBoxKey(key);
    const bool starOrHash = key.symbol() == '*' || key.symbol() == '#';
    c.push_back({key.id, "BUTTON", key.caption, key.left, key.top, silverBox ? 41 : 49, 25,
                 kColouredButton, starOrHash ? kStarFont : kKeyFont, ReleasedColor(key),
                 silverBox ? kSilverBoxHint : nullptr});
  }
  int label = IDC_KEY_LABEL_FIRST;
  for (const KeyLetters& letters : kKeyLetters) {
    const Key* key = FindKey(letters.keyId);
    c.push_back({label++, "STATIC", letters.letters, key->left, key->top + 25, 49, 13,
                 WS_VISIBLE | SS_CENTER | SS_NOPREFIX, {}, kGrey});
  }
  c.insert(c.end(), {
      {IDC_SCREEN, "EDIT", "", 40, 4, 177, 21,
       WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_UPPERCASE | ES_AUTOHSCROLL | ES_NOHIDESEL,
       kBoldFont, kAqua, " Dialer Screen "},
      {IDC_IMAGE_IDLE, "STATIC", "", 4, 0, 33, 33, kPicture},
      {IDC_IMAGE_DIALING, "STATIC", "", 4, 0, 33, 33, SS_BITMAP},
      {IDC_CLEAR, "BUTTON", "Clear", 8, 192, 97, 25, kColouredButton, kBoldFont, kMaroon,
       " Clear The Dialer Screen "},
      {IDC_MODE_LABEL, "STATIC", "Fast    Queue    Slow", 6, 220, 104, 14, kLabel, {"Tahoma", 10}},
      {IDC_SPEED, "SCROLLBAR", "", 8, 236, 97, 9, WS_VISIBLE | WS_TABSTOP | SBS_HORZ, {},
       CLR_INVALID, " Speed Of Dialing "},
      {IDC_DIAL, "BUTTON", "Dial", 8, 248, 44, 25, kColouredButton, kBoldFont, kNavy,
       " Dialing Current Phone Number "},
      {IDC_DIAL_MODE, "BUTTON", "Mode", 56, 248, 49, 25, kColouredButton, {}, CLR_INVALID,
       "Choosing Dialing Mode "},
  });
  return c;
}

}  // namespace

DialerPanel::DialerPanel(const Settings& settings, Owner& owner, CallRecorder& recorder)
    : settings_(settings), owner_(owner), screenBrush_(CreateSolidBrush(kBlue)), recorder_(recorder) {}

DialerPanel::~DialerPanel() {
  DeleteObject(screenBrush_);
  for (HBITMAP picture : {idlePicture_, dialingPicture_}) {
    if (picture) DeleteObject(picture);
  }
}

void DialerPanel::Create(HWND parent, const RECT& place, Scale scale) {
  CreatePanel(parent, TONVERO_CLASS_DIALER_PANEL, IDC_PANEL_DIALER, place, Controls(), scale);
  SCROLLINFO speed{sizeof speed, SIF_RANGE | SIF_POS, 0, 10, 0, 2, 0};
  SetScrollInfo(Item(IDC_SPEED), SB_CTL, &speed, FALSE);
  for (const Key& key : kKeys) Subclass(Item(key.id), key.id);
  Subclass(Item(IDC_SCREEN), IDC_SCREEN);
  NameForScreenReaders();
  DrawPictures(scale);
}

// A key is named by its symbol and the letters under it ("2 ABC"); the
// dialing icons by what they show.
void DialerPanel::NameForScreenReaders() {
  for (const KeyLetters& letters : kKeyLetters) {
    std::string name = UpperAscii(std::string(FindKey(letters.keyId)->caption) + ' ' + letters.letters);
    name.erase(std::remove(name.begin() + 2, name.end(), ' '), name.end());
    form_.SetAccessibleName(letters.keyId, name);
  }
  form_.SetAccessibleName(IDC_IMAGE_IDLE, "Ready To Dial");
  form_.SetAccessibleName(IDC_IMAGE_DIALING, "Dialing");
}

void DialerPanel::Layout(const RECT& place, Scale scale) {
  PlacePanelAndForm(place, Controls(), scale);
  DrawPictures(scale);
}

bool DialerPanel::LoadTones(const std::string& path, std::string& refusal) {
  std::optional<ToneBank> bank;
  try {
    if (auto file = ReadFileIfPresent(path)) bank = ParseToneFile(*file);
  } catch (const std::exception&) {
    bank.reset();
  }
  if (!bank) {
    refusal = "The tone file " + path + " is missing or damaged.\nTonvero cannot dial without it and will close.";
    return false;
  }
  player_ = std::make_unique<TonePlayer>(std::move(*bank), sound_, clock_,
                                         [this](const std::string& text) { ShowNotice(TopWindow(hwnd_), text); });
  sound_.OpenDevice(player_->Bank().images[kSilenceIndex].data());
  return true;
}

// The pictures are drawn for the scale, never stretched; the ones they
// replace go once no control shows them.
void DialerPanel::DrawPictures(Scale scale) {
  const HBITMAP oldIdle = idlePicture_, oldDialing = dialingPicture_;
  idlePicture_ = CreateIdlePicture(scale);
  dialingPicture_ = CreateDialingPicture(scale);
  SendMessageA(Item(IDC_IMAGE_IDLE), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(idlePicture_));
  SendMessageA(Item(IDC_IMAGE_DIALING), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(dialingPicture_));
  for (HBITMAP picture : {oldIdle, oldDialing}) {
    if (picture) DeleteObject(picture);
  }
}

void DialerPanel::StopSound() {
  if (player_) player_->StopSound();
  player_.reset();
}

int DialerPanel::Speed() const { return GetScrollPos(Item(IDC_SPEED), SB_CTL); }

void DialerPanel::SetSpeed(int position) { SetScrollPos(Item(IDC_SPEED), SB_CTL, position, TRUE); }

void DialerPanel::ShowMode() {
  if (auto indicator = ModeIndicatorFor(settings_)) {
    form_.SetAccessibleName(IDC_MODE_LABEL, indicator->spokenName);
    SetWindowTextA(Item(IDC_MODE_LABEL), indicator->caption.c_str());
    EnableWindow(Item(IDC_SPEED), indicator->speedBarEnabled);
  }
  UpdateWindow(Item(IDC_MODE_LABEL));
  UpdateWindow(Item(IDC_SPEED));
}

void DialerPanel::ShowSettings(const Settings& settings) {
  SetSpeed(settings.speedPosition);
  ShowMode();
}

bool DialerPanel::ShowLinkNumber(const CleanedNumber& link) {
  if (link.Refused()) {
    ShowNotice(TopWindow(hwnd_), link.refusal);
    return false;
  }
  ShowNumber(link.number);
  return true;
}

void DialerPanel::ShowNumber(const std::string& number) { SetWindowTextA(Item(IDC_SCREEN), number.c_str()); }

// ---- the panel's messages ------------------------------------------------------

LRESULT DialerPanel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: OnCommand(LOWORD(wParam)); return 0;
    case WM_HSCROLL: OnSpeedScroll(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_CTLCOLOREDIT:
      if (reinterpret_cast<HWND>(lParam) == Item(IDC_SCREEN)) return ColorScreen(reinterpret_cast<HDC>(wParam));
      break;
  }
  return HandleRest(message, wParam, lParam);
}

void DialerPanel::OnCommand(int id) {
  switch (id) {
    case IDC_CLEAR: SetWindowTextA(Item(IDC_SCREEN), ""); break;
    case IDC_DIAL: Dial(); break;
    case IDC_DIAL_MODE: ChooseMode(); break;
  }
}

LRESULT DialerPanel::ColorScreen(HDC dc) const {
  SetTextColor(dc, kAqua);
  SetBkColor(dc, kBlue);
  return reinterpret_cast<LRESULT>(screenBrush_);
}

void DialerPanel::OnSpeedScroll(int request, int position) {
  int speed = Speed();
  switch (request) {
    case SB_LINELEFT: case SB_PAGELEFT: --speed; break;
    case SB_LINERIGHT: case SB_PAGERIGHT: ++speed; break;
    case SB_LEFT: speed = 0; break;
    case SB_RIGHT: speed = 10; break;
    case SB_THUMBTRACK: case SB_THUMBPOSITION: speed = position; break;
    default: return;
  }
  SetSpeed(speed);  // the bar clamps to 0..10
}

void DialerPanel::ChooseMode() {
  Settings chosen = settings_;
  if (!ChooseDialingMode(TopWindow(hwnd_), chosen)) return;
  owner_.DialingModeChosen(chosen);
  ShowMode();
}

// ---- the dialer screen ----------------------------------------------------------

namespace {

// The clipboard's text, read no further than `most` characters: a longer
// text comes back cut to most + 1, which the cleaning refuses as too long.
std::string ClipboardText(HWND owner, size_t most) {
  std::string text;
  if (!OpenClipboard(owner)) return text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* locked = static_cast<const char*>(GlobalLock(data))) {
      const size_t size = GlobalSize(data);
      text.assign(locked, strnlen(locked, std::min(size, most + 1)));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

bool IsPasteKey(UINT message, WPARAM wParam) {
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  return (message == WM_CHAR && wParam == 0x16) ||  // Ctrl+V
         (message == WM_KEYDOWN && wParam == VK_INSERT && shift);
}

}  // namespace

// A number pasted into the screen (Ctrl+V, Shift+Insert, the edit's menu)
// comes from outside: it arrives cleaned, or is refused with the reason
// and nothing changes.
LRESULT DialerPanel::HandleScreenMessage(HWND screen, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PASTE && !IsPasteKey(message, wParam)) return DefSubclassProc(screen, message, wParam, lParam);
  const CleanedNumber cleaned = CleanOutsideNumber(ClipboardText(screen, kMaxOutsideNumberLength));
  if (cleaned.Refused()) {
    ShowNotice(TopWindow(hwnd_), cleaned.refusal);
  } else {
    SendMessageA(screen, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(cleaned.number.c_str()));
  }
  return 0;
}

// ---- the keypad ------------------------------------------------------------------

LRESULT DialerPanel::HandleSubclassMessage(HWND key, UINT_PTR id, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  if (id == IDC_SCREEN) return HandleScreenMessage(key, message, wParam, lParam);
  if (message == WM_SETCURSOR) {  // the keys take the hand
    SetCursor(LoadCursor(nullptr, IDC_HAND));
    return TRUE;
  }
  if (IsMouseButtonDown(message)) PressKey(static_cast<int>(id));
  const LRESULT result = DefSubclassProc(key, message, wParam, lParam);
  if (IsMouseButtonUp(message)) ReleaseKey(static_cast<int>(id));
  return result;
}

void DialerPanel::PressKey(int id) {
  const Key* key = FindKey(id);
  form_.SetTextColor(id, PressedColor(*key));
  UpdateWindow(Item(id));
  keyUnheard_ = !player_->StartTone(ToneIndexOf(key->symbol()));
  HWND screen = Item(IDC_SCREEN);
  SetWindowTextA(screen, (WindowText(screen) + key->symbol()).c_str());
  UpdateWindow(screen);
  player_->Wait(100);
}

// A key that could not sound says why once a run, once it is up again.
void DialerPanel::ReleaseKey(int id) {
  form_.SetTextColor(id, ReleasedColor(*FindKey(id)));
  player_->StopSound();
  if (keyUnheard_ && !toldKeysUnheard_) {
    toldKeysUnheard_ = true;
    ShowError(TopWindow(hwnd_), NoSoundOutput().what());
  }
}

// ---- dialing ---------------------------------------------------------------------

// A "+" number that cannot be dialed from the user's location is refused
// before anything is dialed. Every dial is recorded once it has ended, so
// that keeping it never delays the dial; a failure that stopped it is
// recorded with it and then goes on to the general handler.
void DialerPanel::Dial() {
  const std::string number = Number();
  const TranslatedNumber dial = FinalDialString(owner_.ProcedureText(), number, owner_.Location());
  CallEntry call = CallFacts(number, dial.number);
  try {
    call.outcome = DialTranslated(number, dial);
  } catch (const std::exception& failure) {
    call.outcome = failure.what();
    recorder_.Record(call);
    throw;
  }
  recorder_.Record(call);
}

// Dials in the chosen mode; returns "Dialed", or what stopped the dial
// once it has been said.
std::string DialerPanel::DialTranslated(const std::string& number, const TranslatedNumber& dial) {
  if (dial.Refused()) {
    ShowWarning(TopWindow(hwnd_), dial.refusal);
    return dial.refusal;
  }
  if (settings_.modemOn) {
    modemDialer_.Dial(*this, dial.number, settings_);
    return kDialedOutcome;
  }
  HWND screen = Item(IDC_SCREEN);
  std::string unplayed;
  try {
    player_->RequireSound();
    ShowDialing(true);
    SetWindowTextA(screen, "");
    InterpretDialString(dial.number, settings_.queueOn, *this);
  } catch (const NoSoundOutput& e) {
    player_->StopSound();
    unplayed = e.what();
  }
  PutNumberBack(number);
  ShowDialing(false);
  if (!unplayed.empty()) ShowError(TopWindow(hwnd_), unplayed.c_str());
  return unplayed.empty() ? kDialedOutcome : unplayed;
}

CallEntry DialerPanel::CallFacts(const std::string& number, const std::string& dialed) const {
  CallEntry call;
  SYSTEMTIME now;
  GetLocalTime(&now);
  call.time = CallTime(now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond);
  call.number = number;
  call.dialed = dialed;
  call.name = owner_.RecordNameOf(number);
  call.procedure = owner_.ProcedureName();
  call.mode = settings_.modemOn ? kModeModem : settings_.queueOn ? kModeQueue : kModeShooter;
  return call;
}

std::string DialerPanel::Number() const { return WindowText(Item(IDC_SCREEN)); }

void DialerPanel::ShowDialing(bool dialing) {
  ShowWindow(Item(dialing ? IDC_IMAGE_IDLE : IDC_IMAGE_DIALING), SW_HIDE);
  ShowWindow(Item(dialing ? IDC_IMAGE_DIALING : IDC_IMAGE_IDLE), SW_SHOW);
  UpdateWindow(Item(dialing ? IDC_IMAGE_DIALING : IDC_IMAGE_IDLE));
}

void DialerPanel::ShowSent(const std::string& piece) {
  HWND screen = Item(IDC_SCREEN);
  const std::string text = WindowText(screen) + piece;
  SetWindowTextA(screen, text.c_str());
  SendMessageA(screen, EM_SETSEL, text.empty() ? 0 : text.size() - 1, text.size());
  UpdateWindow(screen);
}

void DialerPanel::PutNumberBack(const std::string& number) {
  HWND screen = Item(IDC_SCREEN);
  SetWindowTextA(screen, number.c_str());
  SendMessageA(screen, EM_SETSEL, number.size(), number.size());
}

void DialerPanel::ShowSymbol(char symbol) { ShowSent(std::string(1, symbol)); }

void DialerPanel::Play(int toneIndex) { player_->PlayQueued(toneIndex, Speed()); }

void DialerPanel::Compose(int toneIndex) {
  if (settings_.shooterOn) player_->ComposeSymbol(toneIndex, settings_.toneMs, settings_.silenceMs);
}

void DialerPanel::Flush() {
  if (settings_.shooterOn) player_->FlushShooter();
}

void DialerPanel::Wait(unsigned ms) { player_->Wait(ms); }

void DialerPanel::Pause() {
  ShowPauseBox(TopWindow(hwnd_));
  // Whatever the box covered is painted at once, before dialing goes on.
  RedrawWindow(TopWindow(hwnd_), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

}  // namespace tonvero
