#include "win32/app/main_window.h"

#include <commctrl.h>
#include <winspool.h>

#include <exception>
#include <vector>

#include "core/app/io_error.h"
#include "core/common/text.h"
#include "win32/app/control_ids.h"
#include "win32/app/files.h"
#include "win32/app/pictures.h"

namespace tonvero {
namespace {

constexpr int kClientWidth = 625, kClientHeight = 372;

constexpr COLORREF kAqua = RGB(0x00, 0xFF, 0xFF), kTeal = RGB(0x00, 0x80, 0x80);
constexpr COLORREF kFuchsia = RGB(0xFF, 0x00, 0xFF), kPurple = RGB(0x80, 0x00, 0x80);
constexpr COLORREF kBlue = RGB(0x00, 0x00, 0xFF), kNavy = RGB(0x00, 0x00, 0x80);
constexpr COLORREF kMaroon = RGB(0x80, 0x00, 0x00), kGreen = RGB(0x00, 0x80, 0x00);
constexpr COLORREF kGrey = RGB(0x80, 0x80, 0x80);

constexpr FontSpec kKeyFont{"MS Sans Serif", 16, true};
constexpr FontSpec kStarFont{"Courier New", 25, false};
constexpr FontSpec kBoldFont{"MS Sans Serif", 11, true};

constexpr DWORD kButton = WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW;
constexpr DWORD kLabel = WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOPREFIX;
constexpr DWORD kPicture = WS_VISIBLE | SS_BITMAP;

constexpr const char* kSilverBoxHint = " Silver Box Key ! Don`t Use It For Regular Dialing ! ";

struct Key {
  int id;
  const char* caption;  // the symbol the key sends
  int left, top;
  char symbol() const { return caption[0]; }
};
// The keypad: "1".."9" row by row, then "*", "0", "#", and A..D beside them.
constexpr Key kKeys[] = {
    {IDC_KEY_0 + 1, "1", 8, 64},    {IDC_KEY_0 + 2, "2", 64, 64},   {IDC_KEY_0 + 3, "3", 120, 64},
    {IDC_KEY_0 + 4, "4", 8, 104},   {IDC_KEY_0 + 5, "5", 64, 104},  {IDC_KEY_0 + 6, "6", 120, 104},
    {IDC_KEY_0 + 7, "7", 8, 144},   {IDC_KEY_0 + 8, "8", 64, 144},  {IDC_KEY_0 + 9, "9", 120, 144},
    {IDC_KEY_ST, "*", 8, 184},      {IDC_KEY_0, "0", 64, 184},      {IDC_KEY_NM, "#", 120, 184},
    {IDC_KEY_A, "A", 176, 64},      {IDC_KEY_A + 1, "B", 176, 104}, {IDC_KEY_A + 2, "C", 176, 144},
    {IDC_KEY_A + 3, "D", 176, 184},
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

bool HasPrinter() {
  DWORD needed = 0, count = 0;
  EnumPrintersA(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0, &needed,
                &count);
  return needed > 0;
}

std::vector<ControlSpec> MainControls() {
  std::vector<ControlSpec> c;
  for (const Key& key : kKeys) {
    const bool silverBox = IsSilverBoxKey(key);
    const bool starOrHash = key.symbol() == '*' || key.symbol() == '#';
    c.push_back({key.id, "BUTTON", key.caption, key.left, key.top, silverBox ? 41 : 49, 25,
                 kButton, starOrHash ? kStarFont : kKeyFont, ReleasedColor(key),
                 silverBox ? kSilverBoxHint : nullptr});
  }
  int label = IDC_KEY_LABEL_FIRST;
  for (const KeyLetters& letters : kKeyLetters) {
    const Key* key = FindKey(letters.keyId);
    c.push_back({label++, "STATIC", letters.letters, key->left, key->top + 25, 49, 13,
                 WS_VISIBLE | SS_CENTER | SS_NOPREFIX, {}, kGrey});
  }
  c.insert(c.end(), {
      {IDC_SCREEN, "EDIT", "", 40, 36, 177, 21,
       WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_UPPERCASE | ES_AUTOHSCROLL | ES_NOHIDESEL,
       kBoldFont, kAqua, " Dialer Screen "},
      {IDC_IMAGE_IDLE, "STATIC", "", 4, 32, 33, 33, kPicture},
      {IDC_IMAGE_DIALING, "STATIC", "", 4, 32, 33, 33, SS_BITMAP},
      {IDC_CLEAR, "BUTTON", "Clear", 8, 224, 97, 25, kButton, kBoldFont, kMaroon,
       " Clear The Dialer Screen "},
      {IDC_MODE_LABEL, "STATIC", "Fast    Queue    Slow", 6, 252, 104, 14, kLabel, {"Tahoma", 10}},
      {IDC_SPEED, "SCROLLBAR", "", 8, 268, 97, 9, WS_VISIBLE | WS_TABSTOP | SBS_HORZ, {},
       CLR_INVALID, " Speed Of Dialing "},
      {IDC_DIAL, "BUTTON", "Dial", 8, 280, 44, 25, kButton, kBoldFont, kNavy,
       " Dialing Current Phone Number "},
      {IDC_DIAL_MODE, "BUTTON", "Mode", 56, 280, 49, 25, kButton, {}, CLR_INVALID,
       "Choosing Dialing Mode "},
      {IDC_EXIT, "BUTTON", "Exit", 8, 312, 97, 33, kButton, {"MS Sans Serif", 19, true}, kGreen},
      {IDC_LOGO, "STATIC", "", 110, 226, 113, 113, kPicture | SS_NOTIFY, {}, CLR_INVALID,
       " Velmora Logo "},
      {IDC_BANNER, "STATIC", "", 8, 352, 217, 17, kPicture},
  });
  const std::vector<ControlSpec> procedureBar = TProcedureBar::Controls();
  c.insert(c.end(), procedureBar.begin(), procedureBar.end());
  c.insert(c.end(), {
      {IDC_HELP_BUTTON, "BUTTON", "Help", 576, 3, 41, 22, kButton},
      {IDC_RULE_H, "STATIC", "", 2, 28, 621, 3, WS_VISIBLE | SS_ETCHEDHORZ},
      {IDC_RULE_V, "STATIC", "", 223, 32, 3, 338, WS_VISIBLE | SS_ETCHEDVERT},
      {IDC_SORT, "BUTTON", "Sort", 232, 38, 33, 22, kButton, {}, CLR_INVALID, " Choose The Sorting Field "},
      {IDC_EDIT, "BUTTON", "Edit F4", 266, 38, 45, 22, kButton, {}, CLR_INVALID, " Edit Current Record "},
      {IDC_INSERT, "BUTTON", "Insert", 312, 38, 37, 22, kButton, {}, CLR_INVALID, " Insert A New Record "},
      {IDC_DELETE, "BUTTON", "Delete", 350, 38, 37, 22, kButton, {}, CLR_INVALID, " Delete Current Record "},
      {IDC_FILE, "BUTTON", "Open", 388, 38, 33, 22, kButton, {}, CLR_INVALID, " Open another DB File "},
      {IDC_PRINT, "BUTTON", "Print", 424, 38, 41, 22, kButton, {}, CLR_INVALID, " Print Tonvero DB "},
      {IDC_SYNC, "BUTTON", "Sync.", 528, 38, 41, 22, kButton, kBoldFont, CLR_INVALID,
       "Synchronization With Another DB File "},
      {IDC_ADD, "BUTTON", "Add", 576, 38, 41, 22, kButton, kBoldFont, CLR_INVALID,
       " Adding Records From Another Tonvero DB "},
      {IDC_CREDIT, "STATIC", "Tonvero by Velmora", 320, 181, 100, 12, kLabel | WS_CLIPSIBLINGS,
       {"Small Fonts", 9, false}, kGrey},
      {IDC_GRID, TPhoneGrid::WindowClass(), "", 232, 64, 385, 301,
       WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL | WS_CLIPSIBLINGS},
      {IDC_HELP_PICTURE, "STATIC", "", 232, 64, 385, 305, SS_BITMAP | SS_CENTERIMAGE},
  });
  return c;
}

}  // namespace

TTonvero::Pictures::Pictures()
    : logo(CreateLogoPicture()),
      idle(CreateIdlePicture()),
      dialing(CreateDialingPicture()),
      banner(CreateBannerPicture()),
      exitGlyph(CreateExitGlyph()),
      help(CreateHelpPicture()),
      bigIcon(CreateWindowIcon(32)),
      smallIcon(CreateWindowIcon(16)) {}

TTonvero::Pictures::~Pictures() {
  for (HBITMAP bitmap : {logo, idle, dialing, banner, exitGlyph, help}) DeleteObject(bitmap);
  DestroyIcon(bigIcon);
  DestroyIcon(smallIcon);
}

TTonvero::TTonvero()
    : screenBrush_(CreateSolidBrush(kBlue)),
      procedureBar_([this](const std::string& question) { return AskQuestion(question); }) {}

TTonvero::~TTonvero() { DeleteObject(screenBrush_); }

HWND TTonvero::Create(HINSTANCE instance, const char* firstArgument) {
  if (firstArgument) firstArgument_ = firstArgument;
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProcedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = pictures_.bigIcon;
  windowClass.hIconSm = pictures_.smallIcon;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = TONVERO_CLASS_MAIN;
  RegisterClassExA(&windowClass);
  return CreateWindowExA(0, TONVERO_CLASS_MAIN, "Tonvero",
                         WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                         CW_USEDEFAULT, CW_USEDEFAULT, kClientWidth, kClientHeight, nullptr,
                         nullptr, instance, this);
}

LRESULT TTonvero::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: FormCreate(); return 0;
    case WM_DESTROY: FormDestroy(); PostQuitMessage(0); return 0;
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_DRAWITEM: OnDrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam)); return TRUE;
    case WM_HSCROLL: OnSpeedScroll(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
      return OnControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_ACTIVATE:  // keep the focused control across deactivation; the grid at first
      if (LOWORD(wParam) == WA_INACTIVE) focusBeforeDeactivation_ = GetFocus();
      else SetFocus(IsChild(hwnd_, focusBeforeDeactivation_) ? focusBeforeDeactivation_ : Item(IDC_GRID));
      return 0;
  }
  return DefWindowProcA(hwnd_, message, wParam, lParam);
}

// ---- start-up and shutdown -------------------------------------------------

void TTonvero::FormCreate() {
  CreateControls();
  SizeAndCentre(hwnd_, kClientWidth, kClientHeight);
  char directory[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, directory);
  startDir_ = directory;
  if (startDir_.empty() || startDir_.back() != '\\') startDir_ += '\\';
  settings_ = Settings{};
  settings_.dbBase = settings_.otherDbBase = startDir_ + "Base";
  UpdateModeIndicator();
  if (!firstArgument_.empty()) {
    settings_.dbBase = settings_.otherDbBase = StripExtension(firstArgument_);
  }
  LoadTones();
  LoadSettings();
  LoadDialingProcedures();
  LoadPhoneListAtStart();
  if (!HasPrinter()) EnableWindow(Item(IDC_PRINT), FALSE);
}

void TTonvero::CreateControls() {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES |
                                                   ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&classes);
  TPhoneGrid::RegisterWindowClass(reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(hwnd_, GWLP_HINSTANCE)));
  form_.Create(hwnd_, MainControls());

  SendMessageA(Item(IDC_IMAGE_IDLE), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(pictures_.idle));
  SendMessageA(Item(IDC_IMAGE_DIALING), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(pictures_.dialing));
  SendMessageA(Item(IDC_LOGO), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(pictures_.logo));
  SendMessageA(Item(IDC_BANNER), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(pictures_.banner));
  SendMessageA(Item(IDC_HELP_PICTURE), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(pictures_.help));

  SCROLLINFO speed{sizeof speed, SIF_RANGE | SIF_POS, 0, 10, 0, 2, 0};
  SetScrollInfo(Item(IDC_SPEED), SB_CTL, &speed, FALSE);

  procedureBar_.Attach(hwnd_);
  procedureBar_.SetFocusTarget(Item(IDC_GRID), [this](bool shown) { phoneGrid_.ShowScrollBar(shown); });

  HWND grid = Item(IDC_GRID);
  SetWindowPos(grid, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);  // over the credit line
  phoneGrid_.Attach(grid);

  // The keys and Help act on mouse down and up, not on click.
  for (const Key& key : kKeys) Subclass(Item(key.id), key.id);
  Subclass(Item(IDC_HELP_BUTTON), IDC_HELP_BUTTON);
}

void TTonvero::LoadTones() {
  const std::string path = startDir_ + "one.wav";
  std::optional<ToneBank> bank;
  try {
    if (auto file = ReadFileIfPresent(path)) bank = ParseToneFile(*file);
  } catch (const std::exception&) {
    bank.reset();
  }
  if (!bank) {
    const std::string message = "The tone file " + path +
                                " is missing or damaged.\nTonvero cannot dial without it and will close.";
    MessageBoxA(nullptr, message.c_str(), "Tonvero", MB_OK | MB_ICONERROR);
    ExitProcess(1);
  }
  player_ = std::make_unique<TonePlayer>(std::move(*bank), sound_, clock_,
                                         [this](const std::string& text) { ShowNotice(text); });
  sound_.OpenDevice(player_->Bank().images[kSilenceIndex].data());
}

Settings TTonvero::CurrentSettings() const {
  Settings current = settings_;
  current.speedPosition = SpeedPosition();
  const ColumnWidths widths = phoneGrid_.Widths();
  for (int column = 0; column < kGridColumns; ++column) current.columnWidths[column] = widths[column];
  return current;
}

void TTonvero::ApplySettings(const Settings& stored) {
  settings_ = stored;
  SetScrollPos(Item(IDC_SPEED), SB_CTL, stored.speedPosition, TRUE);
  ColumnWidths widths;
  for (int column = 0; column < kGridColumns; ++column) widths[column] = stored.columnWidths[column];
  phoneGrid_.SetWidths(widths);
}

void TTonvero::LoadSettings() {
  const std::string path = startDir_ + "tv.cn3";
  std::optional<Bytes> file;
  try {
    file = ReadFileIfPresent(path);
  } catch (const IoError& failure) {
    // There but unreadable (locked, say): run on the defaults, and never
    // write them over the user's settings.
    settingsFileUnread_ = true;
    ShowError(hwnd_, failure.what());
    return;
  }
  if (!file) {
    // Created at once with the defaults; when that fails the program runs
    // on them and says nothing.
    try {
      ReplaceFileContents(path, EncodeSettings(CurrentSettings()));
    } catch (const IoError&) {
    }
    return;
  }
  Settings stored = CurrentSettings();
  if (!DecodeSettings(*file, stored)) return;
  ClampSettings(stored);
  ApplySettings(stored);
  UpdateModeIndicator();
}

// A procedure file that cannot be read is reported; start-up goes on.
void TTonvero::LoadDialingProcedures() {
  try {
    procedureBar_.Load(settings_.dbBase);
  } catch (const std::exception& failure) {
    ShowError(hwnd_, failure.what());
  }
}

void TTonvero::SaveSettings() {
  if (settingsFileUnread_) return;
  ReplaceFileContents(startDir_ + "tv.cn3", EncodeSettings(CurrentSettings()));
}

void TTonvero::FormDestroy() {
  try {
    SaveSettings();
  } catch (const std::exception& failure) {
    ShowError(hwnd_, failure.what());
  }
  if (player_) player_->StopSound();
  player_.reset();
}

void TTonvero::UpdateModeIndicator() {
  if (auto indicator = ModeIndicatorFor(settings_)) {
    SetWindowTextA(Item(IDC_MODE_LABEL), indicator->caption.c_str());
    EnableWindow(Item(IDC_SPEED), indicator->speedBarEnabled);
  }
  UpdateWindow(Item(IDC_MODE_LABEL));
  UpdateWindow(Item(IDC_SPEED));
}

// ---- controls ------------------------------------------------------------------

LRESULT TTonvero::HandleSubclassMessage(HWND button, UINT_PTR id, UINT message, WPARAM wParam,
                                        LPARAM lParam) {
  // A fast second press of any button arrives as a double click: a press too.
  const bool down = message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK ||
                    message == WM_RBUTTONDOWN || message == WM_RBUTTONDBLCLK ||
                    message == WM_MBUTTONDOWN || message == WM_MBUTTONDBLCLK;
  const bool up = message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
  if (message == WM_SETCURSOR && id != IDC_HELP_BUTTON) {  // the keys take the hand
    SetCursor(LoadCursor(nullptr, IDC_HAND));
    return TRUE;
  }
  if (down && id == IDC_HELP_BUTTON) BitBtnHelpMouseDown();
  else if (down) KeyMouseDown(static_cast<int>(id));
  const LRESULT result = DefSubclassProc(button, message, wParam, lParam);
  if (up && id == IDC_HELP_BUTTON) BitBtnHelpMouseUp();
  else if (up) KeyMouseUp(static_cast<int>(id));
  return result;
}

void TTonvero::OnCommand(int id, int code) {
  if (procedureBar_.OnCommand(id, code)) return;
  switch (id) {
    case IDC_CLEAR: SetWindowTextA(Item(IDC_SCREEN), ""); break;
    case IDC_DIAL: DialCurrentNumber(); break;
    case IDC_DIAL_MODE: DialModeClick(); break;
    case IDC_PRINT: BitBtnPrintClick(); break;
    case IDC_SYNC: MergeClick(MergeKind::kSync); break;
    case IDC_ADD: MergeClick(MergeKind::kAdd); break;
    case IDC_EXIT: BitBtnExitClick(); break;
    case IDC_SORT: phoneGrid_.BitBtnSortClick(); break;
    case IDC_EDIT: phoneGrid_.BitBtnEditClick(); break;
    case IDC_INSERT: phoneGrid_.BitBtnInsertClick(); break;
    case IDC_DELETE: phoneGrid_.BitBtnDeleteClick(); break;
    case IDC_FILE: phoneGrid_.BitBtnFileClick(); break;
    case IDC_LOGO:
      if (code == STN_DBLCLK) Image1DblClick();
      else InvalidateRect(Item(IDC_LOGO), nullptr, TRUE);
      break;
  }
}

void TTonvero::OnDrawItem(const DRAWITEMSTRUCT& item) {
  form_.DrawButton(item, item.CtlID == IDC_EXIT ? pictures_.exitGlyph : nullptr);
}

LRESULT TTonvero::OnControlColor(HDC dc, HWND control) {
  const int id = GetDlgCtrlID(control);
  if (id == IDC_SCREEN) {
    SetTextColor(dc, kAqua);
    SetBkColor(dc, kBlue);
    return reinterpret_cast<LRESULT>(screenBrush_);
  }
  LRESULT procedureBrush = 0;
  if (procedureBar_.OnControlColor(dc, control, procedureBrush)) return procedureBrush;
  SetTextColor(dc, form_.TextColor(id));
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

int TTonvero::SpeedPosition() const { return GetScrollPos(Item(IDC_SPEED), SB_CTL); }

void TTonvero::OnSpeedScroll(int request, int position) {
  int speed = SpeedPosition();
  switch (request) {
    case SB_LINELEFT: case SB_PAGELEFT: --speed; break;
    case SB_LINERIGHT: case SB_PAGERIGHT: ++speed; break;
    case SB_LEFT: speed = 0; break;
    case SB_RIGHT: speed = 10; break;
    case SB_THUMBTRACK: case SB_THUMBPOSITION: speed = position; break;
    default: return;
  }
  SetScrollPos(Item(IDC_SPEED), SB_CTL, speed, TRUE);  // the bar clamps to 0..10
}

void TTonvero::KeyMouseDown(int id) {
  const Key* key = FindKey(id);
  form_.SetTextColor(id, PressedColor(*key));
  UpdateWindow(Item(id));
  player_->StartTone(ToneIndexOf(key->symbol()));
  HWND screen = Item(IDC_SCREEN);
  SetWindowTextA(screen, (WindowText(screen) + key->symbol()).c_str());
  UpdateWindow(screen);
  player_->Wait(100);
}

void TTonvero::KeyMouseUp(int id) {
  form_.SetTextColor(id, ReleasedColor(*FindKey(id)));
  player_->StopSound();
}

void TTonvero::BitBtnHelpMouseDown() {
  ShowWindow(Item(IDC_GRID), SW_HIDE);
  ShowWindow(Item(IDC_HELP_PICTURE), SW_SHOW);
}

void TTonvero::BitBtnHelpMouseUp() {
  ShowWindow(Item(IDC_HELP_PICTURE), SW_HIDE);
  ShowWindow(Item(IDC_GRID), SW_SHOW);
  SetFocus(Item(IDC_GRID));
}

void TTonvero::BitBtnExitClick() {
  if (AskQuestion("Is That What You Realy-Realy Want ?")) DestroyWindow(hwnd_);
}

void TTonvero::Image1DblClick() {
  aboutBox_.Show(hwnd_);
  InvalidateRect(Item(IDC_LOGO), nullptr, TRUE);
}

void TTonvero::DialModeClick() {
  if (!dialingMode_.Edit(hwnd_, settings_)) return;
  UpdateModeIndicator();
}

void TTonvero::BitBtnPrintClick() {
  PrintJob job;
  job.caption = WindowText(hwnd_);
  job.records = phoneGrid_.Records();
  job.sortField = phoneGrid_.SortField();
  printer_.BitBtnPrintClick(hwnd_, std::move(job));
}

void TTonvero::MergeClick(MergeKind kind) {
  const MergeRooms rooms{[this](const std::string& question) { return AskQuestion(question); },
                         procedureBar_, phoneGrid_};
  MergeCommandClick(hwnd_, kind, settings_.dbBase, settings_.otherDbBase, rooms);
}

bool TTonvero::AskQuestion(const std::string& question) { return questionBox_.Ask(hwnd_, question); }

void TTonvero::ShowNotice(const std::string& notice) { errorMessage_.Show(hwnd_, notice); }

// ---- phone list ----------------------------------------------------------------

// A list that cannot be read at start-up is reported, and the start-up goes
// on with an empty list; no change is saved over the unread file.
void TTonvero::LoadPhoneListAtStart() {
  try {
    phoneGrid_.Load(settings_.dbBase);
  } catch (const std::exception& failure) {
    ShowError(hwnd_, failure.what());
  }
  phoneGrid_.SortAndSelectFirst();
}

void TTonvero::DatabaseOpened(const std::string& dbBase) {
  settings_.dbBase = dbBase;
  LoadDialingProcedures();
}

void TTonvero::ShowNumber(const std::string& number) { SetWindowTextA(Item(IDC_SCREEN), number.c_str()); }

void TTonvero::StepProcedure(int delta) {
  if (delta > 0) procedureBar_.StepNext();
  else procedureBar_.StepPrevious();
}

// ---- dialing -------------------------------------------------------------------

void TTonvero::DialCurrentNumber() {
  if (settings_.modemOn) {
    DialByModem();
    return;
  }
  HWND screen = Item(IDC_SCREEN);
  ShowDialingIcon(true);
  const std::string number = WindowText(screen);
  SetWindowTextA(screen, "");
  InterpretDialString(BuildDialString(procedureBar_.CurrentCommand(), number), settings_.queueOn,
                      *this);
  SetWindowTextA(screen, number.c_str());
  SendMessageA(screen, EM_SETSEL, number.size(), number.size());
  ShowDialingIcon(false);
}

void TTonvero::DialByModem() {
  modemDialer_.Dial({hwnd_, Item(IDC_SCREEN), Item(IDC_GRID),
                     [this](bool dialing) { ShowDialingIcon(dialing); }},
                    procedureBar_.CurrentCommand(), settings_);
}

void TTonvero::ShowDialingIcon(bool dialing) {
  ShowWindow(Item(dialing ? IDC_IMAGE_IDLE : IDC_IMAGE_DIALING), SW_HIDE);
  ShowWindow(Item(dialing ? IDC_IMAGE_DIALING : IDC_IMAGE_IDLE), SW_SHOW);
  UpdateWindow(Item(dialing ? IDC_IMAGE_DIALING : IDC_IMAGE_IDLE));
}

void TTonvero::ShowSymbol(char symbol) {
  HWND screen = Item(IDC_SCREEN);
  const std::string text = WindowText(screen) + symbol;
  SetWindowTextA(screen, text.c_str());
  SendMessageA(screen, EM_SETSEL, text.size() - 1, text.size());
  UpdateWindow(screen);
}

void TTonvero::Play(int toneIndex) { player_->PlayQueued(toneIndex, SpeedPosition()); }

void TTonvero::Compose(int toneIndex) {
  if (settings_.shooterOn) player_->ComposeSymbol(toneIndex, settings_.toneMs, settings_.silenceMs);
}

void TTonvero::Flush() {
  if (settings_.shooterOn) player_->FlushShooter();
}

void TTonvero::Wait(unsigned ms) { player_->Wait(ms); }

void TTonvero::Pause() {
  pauseBox_.Show(hwnd_);
  RedrawWindow(Item(IDC_GRID), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

}  // namespace tonvero
