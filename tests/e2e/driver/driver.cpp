// driver.exe serve: works the running tonvero.exe from outside, as a user
// would, with ordinary window messages, for a whole test run. It reads
// commands from its input, each a count and as many arguments, every one
// ended by a zero byte, and answers each with what it prints and a last
// line of "\x1e" and "ok", or "fail " and the reason. "driver.exe <command>
// [args...]" runs one command and ends: 0 after printing its result, 1
// after printing the reason on stderr. It finds the main window by its
// class, dialogs (class "#32770") by caption and controls by id. It reads
// the phone list as a screen reader does, through the grid's Active
// Accessibility object.
#include <windows.h>
#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "win32/ui/control_ids.h"

namespace {

constexpr UINT kSendTimeoutMs = 20000;  // a sent message waits while a dial runs

struct Failure {
  std::string reason;
};

[[noreturn]] void Fail(const std::string& reason) { throw Failure{reason}; }

// What the running command prints; it is written out when the command has
// succeeded, or dropped when it fails.
std::string g_answer;

void Print(const char* format, ...) {
  va_list args;
  va_start(args, format);
  const int length = std::vsnprintf(nullptr, 0, format, args);
  va_end(args);
  std::string text(static_cast<size_t>(std::max(length, 0)) + 1, '\0');
  va_start(args, format);
  std::vsnprintf(text.data(), text.size(), format, args);
  va_end(args);
  text.pop_back();
  g_answer += text;
}

void WriteOut(const std::string& bytes) {
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

// Writes out what is printed so far, for a command that says it is ready
// and then goes on (a file holder).
void PrintNow() {
  WriteOut(g_answer);
  g_answer.clear();
}

int ToInt(const char* text) {
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  if (end == text || *end != '\0') Fail(std::string("not a number: ") + text);
  return static_cast<int>(value);
}

// Sends a message to another process's window and returns its result; a
// program that does not answer in time is a failure, not a hang.
LRESULT Send(HWND hwnd, UINT msg, WPARAM wp = 0, LPARAM lp = 0, UINT timeoutMs = kSendTimeoutMs) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(hwnd, msg, wp, lp, SMTO_NORMAL, timeoutMs, &result))
    Fail("the program does not answer");
  return static_cast<LRESULT>(result);
}

void Post(HWND hwnd, UINT msg, WPARAM wp = 0, LPARAM lp = 0) {
  if (!PostMessageA(hwnd, msg, wp, lp)) {
    char cls[64] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    Fail("cannot post message " + std::to_string(msg) + " to window " +
         std::to_string(reinterpret_cast<uintptr_t>(hwnd)) + " (class \"" + cls + "\", id " +
         std::to_string(GetDlgCtrlID(hwnd)) + "): error " + std::to_string(GetLastError()));
  }
}

// The main window "in <caption>" names, where two Tonveros run side by side.
const char* g_mainCaption = nullptr;

HWND MainWindow() {
  HWND hwnd = FindWindowA(TONVERO_CLASS_MAIN, g_mainCaption);
  if (hwnd == nullptr) Fail("no main window");
  return hwnd;
}

struct DialogSearch {
  const char* caption;
  HWND found;
};

BOOL CALLBACK MatchDialog(HWND hwnd, LPARAM lp) {
  auto* search = reinterpret_cast<DialogSearch*>(lp);
  char cls[64] = {}, text[256] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  GetWindowTextA(hwnd, text, sizeof text);
  if (std::strcmp(cls, "#32770") == 0 && std::strcmp(text, search->caption) == 0 &&
      IsWindowVisible(hwnd)) {
    search->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

// The shown dialog with this caption; the program keeps its dialogs hidden
// between uses, so only a visible one counts.
HWND FindDialog(const char* caption) {
  DialogSearch search{caption, nullptr};
  EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND Dialog(const char* caption) {
  HWND hwnd = FindDialog(caption);
  if (hwnd == nullptr) Fail(std::string("no dialog \"") + caption + "\"");
  return hwnd;
}

struct ControlSearch {
  int id;
  HWND found;
};

BOOL CALLBACK MatchControl(HWND hwnd, LPARAM lp) {
  auto* search = reinterpret_cast<ControlSearch*>(lp);
  if (GetDlgCtrlID(hwnd) != search->id) return TRUE;
  search->found = hwnd;
  return FALSE;
}

// A control anywhere below `parent`, so that grouping panels do not matter.
HWND Control(HWND parent, int id) {
  ControlSearch search{id, nullptr};
  EnumChildWindows(parent, MatchControl, reinterpret_cast<LPARAM>(&search));
  if (search.found == nullptr) Fail("no control " + std::to_string(id));
  return search.found;
}

HWND MainControl(const char* id) { return Control(MainWindow(), ToInt(id)); }
HWND DialogControl(const char* caption, const char* id) { return Control(Dialog(caption), ToInt(id)); }

void CALLBACK OnAnyEvent(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD) {}

// Runs the window events that have come, and what else is sent or posted
// to this thread.
void RunMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

// Listens to the window events of every process while it lives. Wine 8
// tells a window made, the focus and the states that the program itself
// announces, but not a window shown, hidden, ended or renamed: for those a
// wait looks again after kLookAgainMs, here in the driver, where a look
// sends the program nothing.
constexpr int kLookAgainMs = 20;

class WindowEvents {
 public:
  explicit WindowEvents(int timeoutMs)
      : hook_(SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, OnAnyEvent, 0, 0, WINEVENT_OUTOFCONTEXT)),
        start_(GetTickCount()),
        timeoutMs_(timeoutMs) {
    if (!hook_) Fail("cannot listen to window events");
  }
  ~WindowEvents() { UnhookWinEvent(hook_); }
  WindowEvents(const WindowEvents&) = delete;
  WindowEvents& operator=(const WindowEvents&) = delete;

  // Waits for the next events, or the next look; false when the time is up.
  bool Next() {
    const int left = timeoutMs_ - static_cast<int>(GetTickCount() - start_);
    if (left < 0) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(std::min(left, kLookAgainMs)), QS_ALLINPUT);
    RunMessages();
    return true;
  }

 private:
  HWINEVENTHOOK hook_;
  DWORD start_;
  int timeoutMs_;
};

// Waits until found() holds, looking again after each window event.
template <typename Found>
void WaitFor(int timeoutMs, Found found, const std::string& what) {
  WindowEvents events(timeoutMs);
  RunMessages();
  while (!found()) {
    if (!events.Next()) Fail("timed out waiting for " + what);
  }
}

std::string Text(HWND hwnd) {
  const LRESULT length = Send(hwnd, WM_GETTEXTLENGTH);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const LRESULT got = Send(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(got));
  return text;
}

void SetText(HWND hwnd, const char* text) {
  if (!Send(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text))) Fail("text refused");
}

void PrintFlag(bool flag) { Print("%d\n", flag ? 1 : 0); }

LPARAM CentreOf(HWND hwnd) {
  RECT r;
  GetClientRect(hwnd, &r);
  return MAKELPARAM(r.right / 2, r.bottom / 2);
}

// The control with the keyboard focus in the window's thread; a window just
// shown gets it a moment later, with a focus event.
HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  const DWORD thread = GetWindowThreadProcessId(window, nullptr);
  WaitFor(kSendTimeoutMs, [&] { return GetGUIThreadInfo(thread, &info) && info.hwndFocus != nullptr; },
          "a focused control");
  return info.hwndFocus;
}

WPARAM KeyCode(const char* name) {
  if (std::strcmp(name, "esc") == 0) return VK_ESCAPE;
  if (std::strcmp(name, "enter") == 0) return VK_RETURN;
  if (std::strcmp(name, "space") == 0) return VK_SPACE;
  if (std::strcmp(name, "tab") == 0) return VK_TAB;
  if (std::strcmp(name, "up") == 0) return VK_UP;
  if (std::strcmp(name, "down") == 0) return VK_DOWN;
  if (std::strcmp(name, "left") == 0) return VK_LEFT;
  if (std::strcmp(name, "right") == 0) return VK_RIGHT;
  Fail(std::string("unknown key: ") + name);
}

// --- commands: argv after the command name ---

void WaitWindow(char** a) {
  WaitFor(ToInt(a[0]), [] {
    HWND hwnd = FindWindowA(TONVERO_CLASS_MAIN, g_mainCaption);
    return hwnd != nullptr && IsWindowVisible(hwnd);
  }, "the main window");
  Print("ok\n");
}

void WaitDialog(char** a) {
  WaitFor(ToInt(a[1]), [&] { return FindDialog(a[0]) != nullptr; }, std::string("dialog ") + a[0]);
  Print("ok\n");
}

// The commands that end a dialog print its handle as "@<number>"; waiting
// for that window to go is exact where the next dialog has the same caption.
void PrintHandle(HWND dialog) {
  Print("@%llu\n", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(dialog)));
}

// Waits until the dialog (a caption, or a handle "@<number>") is not shown.
void WaitGone(char** a) {
  if (a[0][0] == '@') {
    HWND dialog = reinterpret_cast<HWND>(static_cast<uintptr_t>(std::strtoull(a[0] + 1, nullptr, 10)));
    WaitFor(ToInt(a[1]), [&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); },
            std::string("the end of dialog ") + a[0]);
  } else {
    WaitFor(ToInt(a[1]), [&] { return FindDialog(a[0]) == nullptr; }, std::string("the end of ") + a[0]);
  }
  Print("ok\n");
}

// Waits until a control is shown (1) or hidden (0). Reading visibility sends
// no message, so it works while the program is busy.
void WaitVisible(char** a) {
  HWND control = MainControl(a[0]);
  const bool shown = ToInt(a[1]) != 0;
  WaitFor(ToInt(a[2]), [&] { return (IsWindowVisible(control) != 0) == shown; },
          std::string("control ") + a[0] + (shown ? " to show" : " to hide"));
  Print("ok\n");
}

// Clicks a button whose handler runs a whole dial, and returns once the dial
// has ended. The click is sent, not posted: the program takes it up itself
// and the send returns when its handler has returned, however briefly the
// busy sign was shown. Then the busy sign must be gone.
void ClickWait(char** a) {
  HWND button = MainControl(a[0]);
  HWND busy = MainControl(a[1]);
  const int timeoutMs = ToInt(a[2]);
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(button, BM_CLICK, 0, 0, SMTO_NORMAL, static_cast<UINT>(timeoutMs), &result))
    Fail("the click's handler did not return within " + std::string(a[2]) + " ms");
  if (IsWindowVisible(busy)) Fail("the busy sign is still shown after the click's handler returned");
  Print("ok\n");
}

void Caption(char**) { Print("%s\n", Text(MainWindow()).c_str()); }
void GetTextCmd(char** a) { Print("%s\n", Text(MainControl(a[0])).c_str()); }
void SetTextCmd(char** a) { SetText(MainControl(a[0]), a[1]); Print("ok\n"); }

void GetSel(char** a) {
  // The result packs both ends; pointers would not cross into the program.
  const LRESULT sel = Send(MainControl(a[0]), EM_GETSEL);
  Print("%u,%u\n", LOWORD(sel), HIWORD(sel));
}

// Posted, not sent: a click may run a modal box or a whole dialing.
void Click(char** a) { Post(MainControl(a[0]), BM_CLICK); Print("ok\n"); }

void MouseDown(char** a) {
  HWND key = MainControl(a[0]);
  Post(key, WM_LBUTTONDOWN, MK_LBUTTON, CentreOf(key));
  Print("ok\n");
}

void MouseUp(char** a) {
  HWND key = MainControl(a[0]);
  Post(key, WM_LBUTTONUP, 0, CentreOf(key));
  Print("ok\n");
}

void Visible(char** a) { PrintFlag(IsWindowVisible(MainControl(a[0]))); }
void Enabled(char** a) { PrintFlag(IsWindowEnabled(MainControl(a[0]))); }

// Moves the bar as a drag of its thumb would end: the bar takes the position,
// and its parent is told SB_THUMBPOSITION, as the scroll bar itself tells it.
void ScrollSet(char** a) {
  HWND bar = MainControl(a[0]);
  const int pos = ToInt(a[1]);
  Send(bar, SBM_SETPOS, pos, TRUE);
  Send(GetParent(bar), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, pos), reinterpret_cast<LPARAM>(bar));
  Send(GetParent(bar), WM_HSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), reinterpret_cast<LPARAM>(bar));
  Print("%d\n", static_cast<int>(Send(bar, SBM_GETPOS)));
}

void ScrollGet(char** a) { Print("%d\n", static_cast<int>(Send(MainControl(a[0]), SBM_GETPOS))); }

void DlgClick(char** a) {
  HWND dialog = Dialog(a[0]);
  Post(Control(dialog, ToInt(a[1])), BM_CLICK);
  PrintHandle(dialog);
}
void DlgGetText(char** a) { Print("%s\n", Text(DialogControl(a[0], a[1])).c_str()); }
void DlgSetText(char** a) { SetText(DialogControl(a[0], a[1]), a[2]); Print("ok\n"); }

// Sent, so that a following query sees the radio button's new state.
void DlgCheck(char** a) { Send(DialogControl(a[0], a[1]), BM_CLICK); Print("ok\n"); }
void DlgIsChecked(char** a) { PrintFlag(Send(DialogControl(a[0], a[1]), BM_GETCHECK) == BST_CHECKED); }

void DlgCombo(char** a) {
  HWND dialog = Dialog(a[0]);
  HWND combo = Control(dialog, ToInt(a[1]));
  if (Send(combo, CB_SETCURSEL, ToInt(a[2])) == CB_ERR) Fail("no such row");
  Send(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
  Print("%d\n", static_cast<int>(Send(combo, CB_GETCURSEL)));
}

// A key press as the keyboard makes it: down and up, to the focused control.
// The key-down may close the dialog (Enter, Esc) and so destroy the control
// before the key-up is posted; the key-up then goes nowhere, as it would.
void PostKey(HWND focus, WPARAM vk) {
  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(static_cast<UINT>(vk), MAPVK_VK_TO_VSC)) << 16;
  Post(focus, WM_KEYDOWN, vk, scan | 1);
  if (!PostMessageA(focus, WM_KEYUP, vk, scan | 1 | (1 << 30) | (1u << 31)) && IsWindow(focus))
    Fail("cannot post the key-up: error " + std::to_string(GetLastError()));
}

// A key pressed in a dialog, through the dialog's own message loop.
void DlgKey(char** a) {
  HWND dialog = Dialog(a[0]);
  PostKey(FocusOf(dialog), KeyCode(a[1]));
  PrintHandle(dialog);
}

void DlgClose(char** a) {
  HWND dialog = Dialog(a[0]);
  Post(dialog, WM_SYSCOMMAND, SC_CLOSE);
  PrintHandle(dialog);
}
void DlgFocus(char** a) { Print("%d\n", GetDlgCtrlID(FocusOf(Dialog(a[0])))); }
// How many main windows there are, and whether the one addressed is
// minimised and in front: "<count> iconic|shown front|behind".
void MainState(char**) {
  int count = 0;
  HWND w = nullptr;
  while ((w = FindWindowExA(nullptr, w, TONVERO_CLASS_MAIN, nullptr))) ++count;
  HWND main = MainWindow();
  Print("%d %s %s\n", count, IsIconic(main) ? "iconic" : "shown",
              GetForegroundWindow() == main ? "front" : "behind");
}

void Minimise(char**) {
  Send(MainWindow(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  Print("%s\n", IsIconic(MainWindow()) ? "iconic" : "shown");
}

void CloseMain(char**) { Post(MainWindow(), WM_CLOSE); Print("ok\n"); }

void ClientSize(char**) {
  RECT r;
  GetClientRect(MainWindow(), &r);
  Print("%ldx%ld\n", r.right, r.bottom);
}

// Position and size of a control within the main window's client area.
void Rect(char** a) {
  HWND main = MainWindow();
  RECT r;
  GetWindowRect(Control(main, ToInt(a[0])), &r);
  MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&r), 2);
  Print("%ld,%ld,%ld,%ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
}

// ---- display scaling ----

// The DPI the driver sees the screen at: the system DPI of the prefix.
void ScreenDpi(char**) {
  HDC screen = GetDC(nullptr);
  Print("%d\n", GetDeviceCaps(screen, LOGPIXELSX));
  ReleaseDC(nullptr, screen);
}

// The screen's pixels in `r`, top-down rows of 0x00RRGGBB.
std::vector<DWORD> ScreenPixels(const RECT& r) {
  const int width = r.right - r.left, height = r.bottom - r.top;
  std::vector<DWORD> pixels(static_cast<size_t>(std::max(0, width * height)));
  if (pixels.empty()) return pixels;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
  GdiFlush();
  std::memcpy(pixels.data(), bits, pixels.size() * sizeof(DWORD));
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

// Where a control's text is drawn on the screen, and how it is aligned
// there: 'L', 'C' or 'R'.
char TextArea(HWND control, RECT& area) {
  char cls[64] = {};
  GetClassNameA(control, cls, sizeof cls);
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  if (lstrcmpiA(cls, "Button") == 0) {  // inside the 2-pixel frame
    GetWindowRect(control, &area);
    InflateRect(&area, -2, -2);
    return 'C';
  }
  GetClientRect(control, &area);
  MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&area), 2);
  if (lstrcmpiA(cls, "Edit") == 0) {  // Wine draws an edit's border in its client area
    InflateRect(&area, -1, -1);
    return style & ES_RIGHT ? 'R' : style & ES_CENTER ? 'C' : 'L';
  }
  const LONG kind = style & SS_TYPEMASK;
  return kind == SS_RIGHT ? 'R' : kind == SS_CENTER ? 'C' : 'L';
}

// A text control that a larger sibling above it lies over is not seen at
// all. Siblings go from the top of the order down.
bool UnderSibling(HWND control) {
  RECT own;
  GetWindowRect(control, &own);
  const POINT centre{(own.left + own.right) / 2, (own.top + own.bottom) / 2};
  for (HWND other = GetWindow(control, GW_HWNDFIRST); other && other != control; other = GetWindow(other, GW_HWNDNEXT)) {
    RECT r;
    if (!IsWindowVisible(other) || !GetWindowRect(other, &r) || !PtInRect(&r, centre)) continue;
    if ((r.right - r.left) * (r.bottom - r.top) > (own.right - own.left) * (own.bottom - own.top)) return true;
  }
  return false;
}

// Whether a control's text, as the screen shows it, runs into an edge of
// its area that it should stay clear of: a text too wide for its control
// is cut there. Ink is every colour but the area's commonest, the
// background. '-' for a control with no text in view, and for the focused
// control, whose focus rectangle runs along its edges.
char TextCut(HWND control) {
  GUITHREADINFO focus{};
  focus.cbSize = sizeof focus;
  if (GetGUIThreadInfo(GetWindowThreadProcessId(control, nullptr), &focus) && focus.hwndFocus == control) return '-';
  char cls[64] = {};
  GetClassNameA(control, cls, sizeof cls);
  const bool textClass = lstrcmpiA(cls, "Button") == 0 || lstrcmpiA(cls, "Static") == 0 || lstrcmpiA(cls, "Edit") == 0;
  const LONG kind = GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK;
  if (!textClass || Text(control).empty() || !IsWindowVisible(control) || UnderSibling(control) ||
      (lstrcmpiA(cls, "Static") == 0 && (kind == SS_BITMAP || kind == SS_ICON)))
    return '-';
  RECT area;
  const char align = TextArea(control, area);
  const int width = area.right - area.left;
  const std::vector<DWORD> pixels = ScreenPixels(area);
  if (width < 2 || pixels.empty()) return '-';
  std::map<DWORD, int> counts;
  for (DWORD p : pixels) ++counts[p & 0xFFFFFF];
  const DWORD background = std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                             return a.second < b.second;
                           })->first;
  const auto inkInColumn = [&](int x) {
    for (size_t i = static_cast<size_t>(x); i < pixels.size(); i += static_cast<size_t>(width))
      if ((pixels[i] & 0xFFFFFF) != background) return true;
    return false;
  };
  const bool cutLeft = align != 'L' && inkInColumn(0), cutRight = align != 'R' && inkInColumn(width - 1);
  return cutLeft || cutRight ? '1' : '0';
}

// A dialog's place on the screen and its client size, with the screen's
// size: "left,top,width,height clientWidthxclientHeight screenWidthxscreenHeight".
void DialogPlace(char** a) {
  HWND dialog = Dialog(a[0]);
  RECT outer, client;
  GetWindowRect(dialog, &outer);
  GetClientRect(dialog, &client);
  Print("%ld,%ld,%ld,%ld %ldx%ld %dx%d\n", outer.left, outer.top, outer.right - outer.left,
              outer.bottom - outer.top, client.right, client.bottom, GetSystemMetrics(SM_CXSCREEN),
              GetSystemMetrics(SM_CYSCREEN));
}

// Looks every millisecond until found() holds, for the timed commands,
// which must see the moment itself.
template <typename Found>
void PollFor(int timeoutMs, Found found, const std::string& what) {
  const DWORD start = GetTickCount();
  while (!found()) {
    if (static_cast<int>(GetTickCount() - start) > timeoutMs) Fail("timed out waiting for " + what);
    Sleep(1);
  }
}

// The milliseconds since `start`, by the performance counter.
double MsSince(const LARGE_INTEGER& start) {
  LARGE_INTEGER frequency, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&now);
  return (now.QuadPart - start.QuadPart) * 1000.0 / frequency.QuadPart;
}

// Opens the "Recent Calls" window as its system menu item does and prints
// the milliseconds until it is shown with its list filled (the status line
// counts it).
void OpenCalls(char** a) {
  HWND main = MainWindow();
  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  Post(main, WM_SYSCOMMAND, IDM_RECENT_CALLS);
  HWND dialog = nullptr;
  PollFor(ToInt(a[0]), [&] {
    dialog = FindWindowA("#32770", "Recent Calls");
    return dialog && IsWindowVisible(dialog) && GetWindowTextLengthA(GetDlgItem(dialog, IDC_CALLS_STATUS)) > 0;
  }, "the Recent Calls window");
  Print("%.2f ms\n", MsSince(start));
}

// Clicks a button that dials and prints the milliseconds until the busy
// sign shows, which it does just before the first tone, and until it has
// gone at the dial's end, after the call is logged.
void ClickToFirstTone(char** a) {
  HWND button = MainControl(a[0]), busy = MainControl(a[1]);
  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  Post(button, BM_CLICK);
  PollFor(ToInt(a[2]), [&] { return IsWindowVisible(busy) != 0; }, "the busy sign to show");
  const double shown = MsSince(start);
  PollFor(ToInt(a[2]), [&] { return IsWindowVisible(busy) == 0; }, "the busy sign to hide");
  Print("%.2f %.2f\n", shown, MsSince(start));
}

// Types one character into the "Recent Calls" window's find field and
// prints the milliseconds until its status line has changed: the list is
// filtered.
void FilterCalls(char** a) {
  HWND dialog = Dialog("Recent Calls");
  HWND status = Control(dialog, IDC_CALLS_STATUS), filter = Control(dialog, IDC_CALLS_FILTER);
  const std::string before = Text(status);
  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  Post(filter, WM_CHAR, static_cast<unsigned char>(a[0][0]));
  PollFor(ToInt(a[1]), [&] { return Text(status) != before; }, "the filtered list");
  Print("%.2f ms\n", MsSince(start));
}

// Moves and sizes a dialog as a user dragging its caption and border does.
void DialogMove(char** a) {
  if (!SetWindowPos(Dialog(a[0]), nullptr, ToInt(a[1]), ToInt(a[2]), ToInt(a[3]), ToInt(a[4]),
                    SWP_NOZORDER | SWP_NOACTIVATE))
    Fail("cannot move the dialog");
  Print("ok\n");
}

// Tells the main window that it moved to a monitor of `dpi`, as Windows
// does with WM_DPICHANGED: the suggested rectangle, at the screen's top
// left corner, holds its client area at 625 x 372 scaled to `dpi`. The
// rectangle is written into the program's memory, where the message's
// pointer must point.
void DpiChanged(char** a) {
  HWND main = MainWindow();
  const int dpi = ToInt(a[0]);
  RECT suggested{0, 0, MulDiv(625, dpi, 96), MulDiv(372, dpi, 96)};
  AdjustWindowRectEx(&suggested, GetWindowLongA(main, GWL_STYLE), FALSE, GetWindowLongA(main, GWL_EXSTYLE));
  OffsetRect(&suggested, -suggested.left, -suggested.top);
  DWORD processId = 0;
  GetWindowThreadProcessId(main, &processId);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId);
  if (!process) Fail("cannot open the program's process");
  void* there = VirtualAllocEx(process, nullptr, sizeof suggested, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  SIZE_T written = 0;
  const bool copied = there && WriteProcessMemory(process, there, &suggested, sizeof suggested, &written);
  if (copied) Send(main, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(there));
  if (there) VirtualFreeEx(process, there, 0, MEM_RELEASE);
  CloseHandle(process);
  if (!copied) Fail("cannot write the rectangle into the program's memory");
  Print("ok\n");
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM lp) {
  reinterpret_cast<std::vector<HWND>*>(lp)->push_back(window);
  return TRUE;
}

BOOL CALLBACK PopTip(HWND hwnd, LPARAM found) {
  char cls[64] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  if (std::strcmp(cls, "tooltips_class32") == 0 && IsWindowVisible(hwnd)) {
    Send(hwnd, TTM_POP);
    *reinterpret_cast<bool*>(found) = true;
  }
  return TRUE;
}

// What is seen of a window is read with nothing over it: the pointer is
// taken off the window, where it may rest from an earlier click, and the
// hint it called up is taken away (a hint over "Exit" once read as its text
// out of view).
void ClearView(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  POINT corner{GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1};
  if (PtInRect(&r, corner)) corner = {0, 0};
  SetCursorPos(corner.x, corner.y);
  const DWORD thread = GetWindowThreadProcessId(window, nullptr);
  WaitFor(static_cast<int>(kSendTimeoutMs), [thread] {
    bool shown = false;
    EnumThreadWindows(thread, PopTip, reinterpret_cast<LPARAM>(&shown));
    return !shown;
  }, "no hint shown");
}

// Every control of a window, panels and their controls included, one line
// each: id, class, left, top, width and height within the client area, and
// whether its text is cut on the screen (1), fits (0) or is not in view (-).
void PrintLayout(HWND window) {
  ClearView(window);
  // Painted in full, every control, before its pixels are read.
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  std::vector<HWND> controls;
  EnumChildWindows(window, CollectWindow, reinterpret_cast<LPARAM>(&controls));
  for (HWND control : controls) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    char cls[64] = {};
    GetClassNameA(control, cls, sizeof cls);
    Print("%d %s %ld %ld %ld %ld %c\n", GetDlgCtrlID(control), cls, r.left, r.top, r.right - r.left,
                r.bottom - r.top, TextCut(control));
  }
}

void Layout(char**) { PrintLayout(MainWindow()); }
void DialogLayout(char** a) { PrintLayout(Dialog(a[0])); }

// ---- serial/modem room ----

// Clicks like "click" and prints the system clock (milliseconds since
// 1970, as the Linux side reads it) taken just before the click was posted.
void ClickStamp(char** a) {
  HWND button = MainControl(a[0]);
  FILETIME now;
  GetSystemTimePreciseAsFileTime(&now);
  const unsigned long long ticks =
      (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  constexpr unsigned long long kUnixEpochTicks = 116444736000000000ULL;  // 100 ns units
  Post(button, BM_CLICK);
  Print("%.3f\n", static_cast<double>(ticks - kUnixEpochTicks) / 10000.0);
}

// ---- end of serial/modem room ----
// --- dialer commands: mouse buttons and the cursor over the keys ---

struct MouseButton {
  UINT down, up, doubleClick;
  WPARAM held;
};

MouseButton ButtonNamed(const char* name) {
  if (std::strcmp(name, "left") == 0) return {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, MK_LBUTTON};
  if (std::strcmp(name, "right") == 0) return {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK, MK_RBUTTON};
  if (std::strcmp(name, "middle") == 0) return {WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK, MK_MBUTTON};
  Fail(std::string("unknown mouse button: ") + name);
}

// What a fast double click of one button sends a window of a class that
// takes double clicks: down, up, double click, up.
void DoubleClick(char** a) {
  HWND control = MainControl(a[0]);
  const MouseButton b = ButtonNamed(a[1]);
  const LPARAM at = CentreOf(control);
  Post(control, b.down, b.held, at);
  Post(control, b.up, 0, at);
  Post(control, b.doubleClick, b.held, at);
  Post(control, b.up, 0, at);
  Print("ok\n");
}

// Moves the real mouse pointer over the middle of a control, lets the
// program answer the move, and prints the handle of the cursor then shown.
void CursorOver(char** a) {
  HWND control = MainControl(a[0]);
  RECT r;
  GetWindowRect(control, &r);
  SetForegroundWindow(MainWindow());
  SetCursorPos((r.left + r.right) / 2 + 1, (r.top + r.bottom) / 2);
  Sleep(100);
  SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  Send(MainWindow(), WM_NULL);  // the move has been handled once this returns
  Sleep(200);
  CURSORINFO info{};
  info.cbSize = sizeof info;
  if (!GetCursorInfo(&info)) Fail("no cursor information");
  Print("%llu\n", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(info.hCursor)));
}

// The main window's place and size on the screen.
void WindowRect(char**) {
  RECT r;
  GetWindowRect(MainWindow(), &r);
  Print("%ld,%ld,%ld,%ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
}

// --- dialing procedures: the name box, typing into a field, focus, a dialog's size ---

// The items of a drop-down list, one per line. Wine copies an item's text
// between processes correctly only for the wide message, so the item is
// asked for in UTF-16 and written back in the system code page.
void ComboItems(char** a) {
  HWND combo = MainControl(a[0]);
  const int count = static_cast<int>(Send(combo, CB_GETCOUNT));
  for (int i = 0; i < count; ++i) {
    const LRESULT length = Send(combo, CB_GETLBTEXTLEN, i);
    std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
    DWORD_PTR got = 0;
    if (!SendMessageTimeoutW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(wide.data()),
                             SMTO_NORMAL, kSendTimeoutMs, &got))
      Fail("the program does not answer");
    wide.resize(static_cast<size_t>(got));
    std::string item(wide.size() * 2 + 1, '\0');
    item.resize(static_cast<size_t>(WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()),
                                                        item.data(), static_cast<int>(item.size()), nullptr, nullptr)));
    Print("%s\n", item.c_str());
  }
}

void ComboSel(char** a) { Print("%d\n", static_cast<int>(Send(MainControl(a[0]), CB_GETCURSEL))); }

// Chooses an entry as the user's pick does: the box tells its parent.
void ComboSelect(char** a) {
  HWND combo = MainControl(a[0]);
  if (Send(combo, CB_SETCURSEL, ToInt(a[1])) == CB_ERR) Fail("no such row");
  Send(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
       reinterpret_cast<LPARAM>(combo));
  Print("%d\n", static_cast<int>(Send(combo, CB_GETCURSEL)));
}

// A click into a control, which takes the focus as a mouse click gives it;
// done once the control has it, so that keys typed next reach it.
void ClickInto(char** a) {
  HWND control = MainControl(a[0]);
  Post(control, WM_LBUTTONDOWN, MK_LBUTTON, CentreOf(control));
  Post(control, WM_LBUTTONUP, 0, CentreOf(control));
  const DWORD thread = GetWindowThreadProcessId(control, nullptr);
  WaitFor(kSendTimeoutMs, [&] {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(thread, &info) && info.hwndFocus == control;
  }, "the focus in the control clicked");
  Print("ok\n");
}

// Characters typed into the focused control of the main window, after all
// of its text is selected, so that they replace it; "\b" erases.
void TypeReplacing(char** a) {
  HWND focus = FocusOf(MainWindow());
  Send(focus, EM_SETSEL, 0, -1);
  for (const char* p = a[0]; *p; ++p) Post(focus, WM_CHAR, static_cast<unsigned char>(*p), 1);
  Print("ok\n");
}

void MainFocus(char**) { Print("%d\n", GetDlgCtrlID(FocusOf(MainWindow()))); }

// Puts a text on the clipboard, as another program's Copy would.
void SetClipboard(char** a) {
  const size_t size = std::strlen(a[0]) + 1;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!memory) Fail("no memory for the clipboard");
  std::memcpy(GlobalLock(memory), a[0], size);
  GlobalUnlock(memory);
  if (!OpenClipboard(nullptr)) Fail("cannot open the clipboard");
  EmptyClipboard();
  const bool set = SetClipboardData(CF_TEXT, memory) != nullptr;
  CloseClipboard();
  if (!set) Fail("clipboard refused the text");
  Print("ok\n");
}

// The edit's menu command Paste: WM_PASTE to the main window's focused
// control, posted, as the program reads the clipboard while handling it.
void PasteIntoFocus(char**) {
  Post(FocusOf(MainWindow()), WM_PASTE);
  Print("ok\n");
}

// The outer size of a shown dialog, frame and caption included.
void DlgSize(char** a) {
  RECT r;
  GetWindowRect(Dialog(a[0]), &r);
  Print("%ldx%ld\n", r.right - r.left, r.bottom - r.top);
}

// Holds a file open, shared with no one, as another program that has it
// locked would: prints "held" once it is open, and closes it after ms.
void HoldFile(char** a) {
  HANDLE file = CreateFileA(a[0], GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) Fail("cannot open " + std::string(a[0]));
  Print("held\n");
  PrintNow();
  Sleep(static_cast<DWORD>(ToInt(a[1])));
  CloseHandle(file);
}

// Keeps the run's desktop open. Wine closes a desktop a moment after the
// last program on it ends, and the next program starts a new one; after
// some runs of the program that start waited 10 s for the new desktop to
// become idle. A program that stays on the desktop all run long keeps it.
void KeepDesktop(char**) {
  GetDesktopWindow();
  Print("kept\n");
  PrintNow();
  Sleep(INFINITE);
}

// --- screen reader: the program's windows through Active Accessibility ---

// MinGW's IID_IAccessible is an import thunk of oleacc.dll, not the GUID.
const IID kIidAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

// A reference to a window's accessible object, released at the end of its scope.
class Accessible {
 public:
  explicit Accessible(HWND window) {
    const HRESULT result = AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), kIidAccessible,
                                                      reinterpret_cast<void**>(&object_));
    if (FAILED(result) || !object_) Fail("no accessible object for control " + std::to_string(GetDlgCtrlID(window)) +
                                         ": error " + std::to_string(static_cast<unsigned long>(result)));
  }
  ~Accessible() { object_->Release(); }
  Accessible(const Accessible&) = delete;
  Accessible& operator=(const Accessible&) = delete;
  IAccessible* operator->() const { return object_; }

 private:
  IAccessible* object_ = nullptr;
};

VARIANT ChildId(long id) {
  VARIANT child;
  child.vt = VT_I4;
  child.lVal = id;
  return child;
}

void Check(HRESULT result, const char* what) {
  if (FAILED(result)) Fail(std::string(what) + " failed: error " + std::to_string(static_cast<unsigned long>(result)));
}

// A BSTR in the system code page; "" for none.
std::string Narrow(BSTR text) {
  if (!text) return "";
  const int length = static_cast<int>(SysStringLen(text));
  std::string narrow(static_cast<size_t>(length) * 2 + 1, '\0');
  narrow.resize(static_cast<size_t>(
      WideCharToMultiByte(CP_ACP, 0, text, length, narrow.data(), static_cast<int>(narrow.size()), nullptr, nullptr)));
  SysFreeString(text);
  return narrow;
}

std::string NameOf(const Accessible& object, long child = CHILDID_SELF) {
  BSTR name = nullptr;
  Check(object->get_accName(ChildId(child), &name), "get_accName");
  return Narrow(name);
}

std::string DescriptionOf(const Accessible& object, long child = CHILDID_SELF) {
  BSTR description = nullptr;
  Check(object->get_accDescription(ChildId(child), &description), "get_accDescription");
  return Narrow(description);
}

long NumberOf(HRESULT result, const VARIANT& value, const char* what) {
  Check(result, what);
  return value.vt == VT_I4 ? value.lVal : 0;  // VT_EMPTY: none
}

long RoleOf(const Accessible& object, long child = CHILDID_SELF) {
  VARIANT role{};
  return NumberOf(object->get_accRole(ChildId(child), &role), role, "get_accRole");
}

long StateOf(const Accessible& object, long child = CHILDID_SELF) {
  VARIANT state{};
  return NumberOf(object->get_accState(ChildId(child), &state), state, "get_accState");
}

std::string RoleText(long role) {
  char text[64] = {};
  GetRoleTextA(static_cast<DWORD>(role), text, sizeof text);
  return text;
}

// Calls into the program are answered by its message loop, in turn with
// what was posted to it before. They run on a thread of their own that is
// waited for as a sent message is: a program that does not answer in time
// is a failure, not a hang.
bool g_cutOff = false;

struct Job {
  const std::function<void()>& work;
  std::string failure;
};

DWORD WINAPI RunJob(void* parameter) {
  auto& job = *static_cast<Job*>(parameter);
  CoInitializeEx(nullptr, COINIT_MULTITHREADED);
  try {
    job.work();
  } catch (const Failure& f) {
    job.failure = f.reason;
  }
  CoUninitialize();
  return 0;
}

void InTime(const std::function<void()>& work) {
  Job job{work, {}};
  HANDLE thread = CreateThread(nullptr, 0, RunJob, &job, 0, nullptr);
  if (!thread) Fail("cannot start a thread");
  const DWORD waited = WaitForSingleObject(thread, kSendTimeoutMs);
  if (waited != WAIT_OBJECT_0) {
    // Its call may never return, and it works on this frame's data, which
    // the failure ends: the thread ends first. It may have held a lock of
    // this process, so the driver ends after this command.
    TerminateThread(thread, 1);
    g_cutOff = true;
    CloseHandle(thread);
    Fail("the program does not answer its accessible object");
  }
  CloseHandle(thread);
  if (!job.failure.empty()) Fail(job.failure);
}

// --- phone list commands: keys as the keyboard sends them, the grid's rows ---

WPARAM PhoneListKey(const char* name) {
  const struct {
    const char* name;
    WPARAM key;
  } keys[] = {{"delete", VK_DELETE}, {"insert", VK_INSERT}, {"f4", VK_F4},   {"pgup", VK_PRIOR},
              {"pgdn", VK_NEXT},     {"home", VK_HOME},     {"end", VK_END}, {"backspace", VK_BACK}};
  for (const auto& k : keys) {
    if (std::strcmp(name, k.name) == 0) return k.key;
  }
  return KeyCode(name);
}

// Waits until the program has handled what was posted to it before: a
// call to the grid's accessible object comes to the program's message
// loop as a posted message, after those posted before it. Keys turn into
// characters as they are handled, and those come after the first call, so
// the program is called twice.
void WaitHandled() {
  HWND grid = Control(MainWindow(), IDC_GRID);
  InTime([grid] {
    Accessible list(grid);
    for (int round = 0; round < 2; ++round) {
      long rows = 0;
      Check(list->get_accChildCount(&rows), "get_accChildCount");
    }
  });
}

// The window whose focused control takes the keys: "main" or a dialog's caption.
HWND KeyTarget(const char* window) {
  return FocusOf(std::strcmp(window, "main") == 0 ? MainWindow() : Dialog(window));
}

// Presses named keys one after the other, each to the control that has the
// focus when it comes, through the program's message loop.
void Press(char** a) {
  const std::string names = a[1];
  for (size_t start = 0; start <= names.size();) {
    const size_t end = std::min(names.find(',', start), names.size());
    PostKey(KeyTarget(a[0]), PhoneListKey(names.substr(start, end - start).c_str()));
    WaitHandled();
    start = end + 1;
  }
  Print("ok\n");
}

// Types text on the keyboard without Shift: letters arrive in small letters.
void TypeText(char** a) {
  for (const char* c = a[1]; *c; ++c) {
    const SHORT scan = VkKeyScanA(*c);
    if (scan == -1) Fail(std::string("no key types ") + *c);
    PostKey(KeyTarget(a[0]), static_cast<WPARAM>(LOBYTE(scan)));
    WaitHandled();
  }
  Print("ok\n");
}

// Presses a key that dials (Enter on the grid) and waits, as click-wait
// does, until the dialing icon has come and gone.
void PressDial(char** a) {
  HWND busy = MainControl(a[1]);
  const int timeoutMs = ToInt(a[2]);
  PostKey(KeyTarget("main"), PhoneListKey(a[0]));
  WaitFor(timeoutMs, [&] { return IsWindowVisible(busy) != 0; }, "the busy sign to show");
  WaitFor(timeoutMs, [&] { return IsWindowVisible(busy) == 0; }, "the busy sign to hide");
  Print("ok\n");
}

HWND Grid() { return Control(MainWindow(), IDC_GRID); }

// The grid's rows are the children of its accessible object.
void ReadGrid(const std::function<void(const Accessible& list)>& read) {
  HWND grid = Grid();
  InTime([&] { read(Accessible(grid)); });
}

long RowCount(const Accessible& list) {
  long rows = 0;
  Check(list->get_accChildCount(&rows), "get_accChildCount");
  return rows;
}

// The selected row, 0 for none.
void GridRow(char**) {
  ReadGrid([](const Accessible& list) {
    VARIANT selected{};
    Print("%ld\n", NumberOf(list->get_accSelection(&selected), selected, "get_accSelection"));
  });
}

// The first row in view, 0 for none.
void GridTop(char**) {
  ReadGrid([](const Accessible& list) {
    long top = 0;
    for (long row = 1, rows = RowCount(list); row <= rows && top == 0; ++row) {
      if (!(StateOf(list, row) & STATE_SYSTEM_OFFSCREEN)) top = row;
    }
    Print("%ld\n", top);
  });
}

void GridRows(char**) {
  ReadGrid([](const Accessible& list) { Print("%ld\n", RowCount(list)); });
}

// The focused row, 0 for none (or the focus elsewhere).
void GridFocus(char**) {
  ReadGrid([](const Accessible& list) {
    VARIANT focused{};
    const long child = NumberOf(list->get_accFocus(&focused), focused, "get_accFocus");
    Print("%ld\n", child == CHILDID_SELF ? 0 : child);
  });
}

// The list as a screen reader reads it: its name, role and header (the
// column titles), then one line per row: its number, name and the states
// s (selected), f (focused) and o (off screen).
void PrintItems(const Accessible& list) {
  Print("%s|%s|%s\n", NameOf(list).c_str(), RoleText(RoleOf(list)).c_str(), DescriptionOf(list).c_str());
  for (long row = 1, rows = RowCount(list); row <= rows; ++row) {
    const long state = StateOf(list, row);
    Print("%ld|%s|%s|%s%s%s\n", row, RoleText(RoleOf(list, row)).c_str(), NameOf(list, row).c_str(),
          state & STATE_SYSTEM_SELECTED ? "s" : "", state & STATE_SYSTEM_FOCUSED ? "f" : "",
          state & STATE_SYSTEM_OFFSCREEN ? "o" : "");
  }
}

void GridItems(char**) { ReadGrid(PrintItems); }

// A list of a dialog read as grid-items reads the grid.
void DialogItems(char** a) {
  HWND list = DialogControl(a[0], a[1]);
  InTime([&] { PrintItems(Accessible(list)); });
}

// The screen point in the middle of item n (from 1) of a dialog's list,
// where its accessible object says the item is.
void DialogItemPoint(char** a) {
  HWND list = DialogControl(a[0], a[1]);
  long left = 0, top = 0, width = 0, height = 0;
  InTime([&] {
    Accessible object(list);
    Check(object->accLocation(&left, &top, &width, &height, ChildId(ToInt(a[2]))), "accLocation");
  });
  Print("%ld %ld\n", left + width / 2, top + height / 2);
}

// Every shown control of the main window ("main") or of a dialog, in tab
// order, as a screen reader finds it: "id|role|name|value|flags", flags t
// for a tab stop, d for a disabled control and c for a checked one. The
// panels that group controls are left out.
void AccessibleWalk(char** a) {
  HWND window = std::strcmp(a[0], "main") == 0 ? MainWindow() : Dialog(a[0]);
  std::vector<HWND> controls;
  EnumChildWindows(window, CollectWindow, reinterpret_cast<LPARAM>(&controls));
  InTime([&] {
    for (HWND control : controls) {
      char cls[64] = {};
      GetClassNameA(control, cls, sizeof cls);
      if (!IsWindowVisible(control) || (GetWindowLongA(control, GWL_EXSTYLE) & WS_EX_CONTROLPARENT)) continue;
      const Accessible object(control);
      const LONG style = GetWindowLongA(control, GWL_STYLE);
      BSTR value = nullptr;
      object->get_accValue(ChildId(CHILDID_SELF), &value);
      Print("%d|%s|%s|%s|%s%s%s\n", GetDlgCtrlID(control), RoleText(RoleOf(object)).c_str(),
                  NameOf(object).c_str(), Narrow(value).c_str(), style & WS_TABSTOP ? "t" : "",
                  style & WS_DISABLED ? "d" : "", StateOf(object) & STATE_SYSTEM_CHECKED ? "c" : "");
    }
  });
}

// One control of the main window ("main") or of a dialog as a screen
// reader reads it: "role|name|description".
void AccessibleRead(char** a) {
  HWND control = std::strcmp(a[0], "main") == 0 ? MainControl(a[1]) : DialogControl(a[0], a[1]);
  InTime([&] {
    const Accessible object(control);
    std::printf("%s|%s|%s\n", RoleText(RoleOf(object)).c_str(), NameOf(object).c_str(),
                DescriptionOf(object).c_str());
  });
}

// A screen reader's ear on the grid: the row the last focus event of the
// grid named, 0 before one came.
HWND g_watchedGrid = nullptr;
LONG g_focusedRow = 0;
HWINEVENTHOOK g_focusHook = nullptr;

void CALLBACK OnFocusEvent(HWINEVENTHOOK, DWORD, HWND hwnd, LONG objectId, LONG childId, DWORD, DWORD) {
  if (hwnd == g_watchedGrid && objectId == OBJID_CLIENT && childId > 0) g_focusedRow = childId;
}

void StopListening() {
  if (g_focusHook) UnhookWinEvent(g_focusHook);
  g_focusHook = nullptr;
  g_focusedRow = 0;
}

// Starts to listen, as a screen reader does, for the grid to say that a row
// has the focus; wait-focus-event then waits for that.
void ListenFocus(char**) {
  StopListening();
  g_watchedGrid = Grid();
  DWORD process = 0;
  GetWindowThreadProcessId(g_watchedGrid, &process);
  g_focusHook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, OnFocusEvent, process, 0,
                                WINEVENT_OUTOFCONTEXT);
  if (!g_focusHook) Fail("cannot listen to the program's events");
  Print("ok\n");
}

// Prints the row that a focus event named since listen-focus, and its name.
void WaitFocusEvent(char** a) {
  if (!g_focusHook) Fail("not listening: listen-focus first");
  WaitFor(ToInt(a[0]), [] { return g_focusedRow != 0; }, "a focus event of a row");
  const LONG row = g_focusedRow;
  StopListening();
  ReadGrid([row](const Accessible& list) { Print("%ld|%s\n", row, NameOf(list, row).c_str()); });
}

// The middle of a record row, where the grid says it is, in the grid's
// client area; a little right of its left edge, in the first name. A row
// past the last is the middle of the grid, below the rows there are.
LPARAM RowPoint(HWND grid, int row) {
  RECT place{};
  bool isRow = false;
  InTime([&] {
    Accessible list(grid);
    long left = 0, top = 0, width = 0, height = 0;
    isRow = row <= RowCount(list);
    if (!isRow) return;
    Check(list->accLocation(&left, &top, &width, &height, ChildId(row)), "accLocation");
    place = {left, top, left + width, top + height};
  });
  if (!isRow) return CentreOf(grid);
  MapWindowPoints(nullptr, grid, reinterpret_cast<POINT*>(&place), 2);
  return MAKELPARAM(place.left + 60, (place.top + place.bottom) / 2);
}

void GridClick(char** a) {
  HWND grid = Grid();
  const LPARAM at = RowPoint(grid, ToInt(a[0]));
  Post(grid, WM_LBUTTONDOWN, MK_LBUTTON, at);
  Post(grid, WM_LBUTTONUP, 0, at);
  WaitHandled();
  Print("ok\n");
}

// Drags with the left button along the title row from x1 to x2, as a user
// resizing a column by its border does.
void GridDrag(char** a) {
  HWND grid = Grid();
  const int y = 7;
  Post(grid, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ToInt(a[0]), y));
  Post(grid, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM((ToInt(a[0]) + ToInt(a[1])) / 2, y));
  Post(grid, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(ToInt(a[1]), y));
  Post(grid, WM_LBUTTONUP, 0, MAKELPARAM(ToInt(a[1]), y));
  WaitHandled();
  Print("ok\n");
}

// Posted: a double click dials, which runs until the dialing ends.
void GridDoubleClick(char** a) {
  HWND grid = Grid();
  const LPARAM at = RowPoint(grid, ToInt(a[0]));
  Post(grid, WM_LBUTTONDOWN, MK_LBUTTON, at);
  Post(grid, WM_LBUTTONUP, 0, at);
  Post(grid, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  Post(grid, WM_LBUTTONUP, 0, at);
  Print("ok\n");
}

// --- real input: where a person's pointer goes, and syncing with posted input ---

// The screen point in the middle of a control of the main window ("main")
// or of a shown dialog, as "x y", for the X server's pointer (xdotool).
void Point(char** a) {
  HWND window = std::strcmp(a[0], "main") == 0 ? MainWindow() : Dialog(a[0]);
  RECT r;
  GetWindowRect(Control(window, ToInt(a[1])), &r);
  Print("%ld %ld\n", (r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

void DlgHandle(char** a) { PrintHandle(Dialog(a[0])); }

// Returns once the program has handled what was posted to it before.
void Handled(char**) { WaitHandled(); Print("ok\n"); }

// Waits until a button of the main window is no longer held down, that is
// until the mouse button's release has reached it, then until the program
// is back in its message loop: its handler of the release has returned.
void WaitReleased(char** a) {
  HWND button = MainControl(a[0]);
  WaitFor(ToInt(a[1]), [&] { return (Send(button, BM_GETSTATE) & BST_PUSHED) == 0; },
          std::string("the release of ") + a[0]);
  WaitHandled();
  Print("ok\n");
}

// --- printing: picking an item of a dialog's drop-down list by its text ---

// Selects the item whose text is `text` as a user's pick does: the list
// tells its dialog. Fails naming a few items when there is none.
void DlgComboPick(char** a) {
  HWND dialog = Dialog(a[0]);
  HWND combo = Control(dialog, ToInt(a[1]));
  const LRESULT index = Send(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(a[2]));
  if (index == CB_ERR) {
    std::string some;
    const int count = static_cast<int>(Send(combo, CB_GETCOUNT));
    for (int i = 0; i < count && i < 12; ++i) {
      char item[256] = {};
      if (Send(combo, CB_GETLBTEXTLEN, i) < static_cast<LRESULT>(sizeof item)) {
        Send(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
      }
      some += std::string(i ? ", " : "") + item;
    }
    Fail(std::string("no item \"") + a[2] + "\" among " + std::to_string(count) + ": " + some);
  }
  Send(combo, CB_SETCURSEL, static_cast<WPARAM>(index));
  Send(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
  Print("%d\n", static_cast<int>(index));
}

// ---- hints, close boxes and scroll bars ----

struct TipSearch {
  HWND found;
};

BOOL CALLBACK MatchTip(HWND hwnd, LPARAM lp) {
  char cls[64] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  if (std::strcmp(cls, "tooltips_class32") == 0 && IsWindowVisible(hwnd)) {
    reinterpret_cast<TipSearch*>(lp)->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

// The hint a user sees resting the pointer on a control of the main window:
// a hint still shown is taken away, the pointer comes to the control's
// centre, and the text of the program's tooltip that shows is printed.
void Hint(char** a) {
  HWND main = MainWindow(), control = MainControl(a[0]);
  const DWORD thread = GetWindowThreadProcessId(main, nullptr);
  const auto shownTip = [thread] {
    TipSearch search{nullptr};
    EnumThreadWindows(thread, MatchTip, reinterpret_cast<LPARAM>(&search));
    return search.found;
  };
  if (HWND tip = shownTip()) Send(tip, TTM_POP);
  RECT r;
  GetWindowRect(control, &r);
  SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  char text[256] = {};
  WaitFor(ToInt(a[1]), [&] {
    HWND tip = shownTip();
    return tip && Send(tip, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text)) > 0;
  }, "a hint");
  Print("%s\n", text);
}

// 1 when the dialog has a close box in its caption, 0 when not.
void DlgCloseBox(char** a) {
  PrintFlag(GetWindowLongA(Dialog(a[0]), GWL_STYLE) & WS_SYSMENU);
}

// 1 when the control shows its vertical scroll bar, 0 when not.
void VerticalScrollBar(char** a) {
  PrintFlag(GetWindowLongA(MainControl(a[0]), GWL_STYLE) & WS_VSCROLL);
}

void Resize(char** a) {
  if (!SetWindowPos(MainControl(a[0]), nullptr, 0, 0, ToInt(a[1]), ToInt(a[2]),
                    SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE))
    Fail("cannot resize the control");
  Print("ok\n");
}

// --- fault injection: what the program shows after an action ---

struct ShownSearch {
  DWORD process;
  HWND found;
};

BOOL CALLBACK MatchShown(HWND hwnd, LPARAM lp) {
  auto* search = reinterpret_cast<ShownSearch*>(lp);
  char cls[64] = {};
  DWORD process = 0;
  GetClassNameA(hwnd, cls, sizeof cls);
  GetWindowThreadProcessId(hwnd, &process);
  if (process != search->process || std::strcmp(cls, "#32770") != 0 || !IsWindowVisible(hwnd)) return TRUE;
  search->found = hwnd;
  return FALSE;
}

// A shown dialog or message box of the process that owns `main`.
HWND ShownDialogOf(HWND main) {
  ShownSearch search{0, nullptr};
  GetWindowThreadProcessId(main, &search.process);
  EnumWindows(MatchShown, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Waits until the program shows a dialog ("dialog <caption>"), a message
// box of its own ("box <text>"), has handled every input posted before and
// takes input again with nothing shown ("idle"), or has no main window any
// more ("gone"). A dialog is made visible only when its message loop first
// finds no input, but its owner is disabled before: so a main window that
// takes input, after the program has handled a posted mark, means no
// dialog is on its way.
void Outcome(char** a) {
  std::string failure;
  try {
    WaitFor(ToInt(a[0]), [&] {
    HWND main = FindWindowA(TONVERO_CLASS_MAIN, nullptr);
    if (main == nullptr) {
      Print("gone\n");
      return true;
    }
    if (HWND shown = ShownDialogOf(main)) {
      // A box that closes while it is read (the printing progress box when
      // the job fails) is looked at again with what came after it.
      std::string caption, text;
      try {
        caption = Text(shown);
        if (caption == "Tonvero") text = Text(Control(shown, 0xFFFF));
      } catch (const Failure&) {
        if (IsWindow(shown)) throw;
        return false;
      }
      if (caption == "Tonvero") Print("box %s\n", text.c_str());
      else Print("dialog %s\n", caption.c_str());
      return true;
    }
    if (!IsWindowEnabled(main)) return false;
    try {
      WaitHandled();
    } catch (const Failure& f) {  // the program may be ending: looked at again
      failure = ": " + f.reason;
      return false;
    }
    if (!IsWindowEnabled(main) || ShownDialogOf(main) != nullptr) return false;
    Print("idle\n");
    return true;
    }, "the program to settle");
  } catch (const Failure& f) {
    Fail(f.reason + failure);
  }
}

// Clicks a dialog's button and waits until that dialog has closed, so that
// a next dialog of the same caption is not taken for it.
void DlgAnswer(char** a) {
  HWND dialog = Dialog(a[0]);
  Post(Control(dialog, ToInt(a[1])), BM_CLICK);
  WaitFor(ToInt(a[2]), [&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); },
          std::string("the end of ") + a[0]);
  Print("ok\n");
}

// Holds every file of a list ("|" between paths) open, shared with no one,
// as hold-file does one: prints "held" once all are open.
void HoldFiles(char** a) {
  const std::string paths = a[0];
  for (size_t start = 0; start <= paths.size();) {
    const size_t end = std::min(paths.find('|', start), paths.size());
    const std::string path = paths.substr(start, end - start);
    if (CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                    FILE_ATTRIBUTE_NORMAL, nullptr) == INVALID_HANDLE_VALUE)
      Fail("cannot open " + path);
    start = end + 1;
  }
  Print("held\n");
  PrintNow();
  Sleep(static_cast<DWORD>(ToInt(a[1])));
}

// Presses a key as "press" does, without waiting for the program: the key
// may end it.
void PostKeyCmd(char** a) {
  PostKey(KeyTarget(a[0]), PhoneListKey(a[1]));
  Print("ok\n");
}

// --- waits of the shell's own ---

// Waits until a control of the main window shows the text.
void WaitText(char** a) {
  HWND control = MainControl(a[0]);
  WaitFor(ToInt(a[2]), [&] { return Text(control) == a[1]; }, std::string("control ") + a[0] + " to read " + a[1]);
  Print("ok\n");
}

// Waits until the focus in a dialog is on the control.
void WaitDialogFocus(char** a) {
  HWND dialog = Dialog(a[0]);
  const int id = ToInt(a[1]);
  WaitFor(ToInt(a[2]), [&] { return GetDlgCtrlID(FocusOf(dialog)) == id; }, std::string("the focus on ") + a[1]);
  Print("ok\n");
}

// Waits for the main window or a message box of the program's own
// ("Tonvero"), whichever shows first: prints "window", or "box " and the
// box's text.
void WaitStart(char** a) {
  WaitFor(ToInt(a[0]), [] {
    if (HWND box = FindDialog("Tonvero")) {
      Print("box %s\n", Text(Control(box, 0xFFFF)).c_str());
      return true;
    }
    HWND main = FindWindowA(TONVERO_CLASS_MAIN, nullptr);
    if (main == nullptr || !IsWindowVisible(main)) return false;
    Print("window\n");
    return true;
  }, "the main window or a message box");
}

// Before each test: nothing that the test before left listening stays.
void Reset(char**) {
  StopListening();
  Print("ok\n");
}

struct Command {
  const char* name;
  int argc;
  void (*run)(char** args);
  const char* usage;
};

const Command kCommands[] = {
    {"wait-window", 1, WaitWindow, "<timeout_ms>"},
    {"wait-dialog", 2, WaitDialog, "<caption> <timeout_ms>"},
    {"wait-gone", 2, WaitGone, "<caption>|@<handle> <timeout_ms>"},
    {"wait-visible", 3, WaitVisible, "<id> 0|1 <timeout_ms>"},
    {"click-wait", 3, ClickWait, "<id> <busy_id> <timeout_ms>"},
    {"wait-text", 3, WaitText, "<id> <text> <timeout_ms>"},
    {"wait-focus", 3, WaitDialogFocus, "<caption> <id> <timeout_ms>"},
    {"wait-start", 1, WaitStart, "<timeout_ms>"},
    {"reset", 0, Reset, ""},
    {"caption", 0, Caption, ""},
    {"client-size", 0, ClientSize, ""},
    {"gettext", 1, GetTextCmd, "<id>"},
    {"settext", 2, SetTextCmd, "<id> <text>"},
    {"getsel", 1, GetSel, "<id>"},
    {"click", 1, Click, "<id>"},
    {"mousedown", 1, MouseDown, "<id>"},
    {"mouseup", 1, MouseUp, "<id>"},
    {"visible", 1, Visible, "<id>"},
    {"enabled", 1, Enabled, "<id>"},
    {"scroll-set", 2, ScrollSet, "<id> <pos>"},
    {"scroll-get", 1, ScrollGet, "<id>"},
    {"rect", 1, Rect, "<id>"},
    {"dlg-click", 2, DlgClick, "<caption> <id>"},
    {"dlg-gettext", 2, DlgGetText, "<caption> <id>"},
    {"dlg-settext", 3, DlgSetText, "<caption> <id> <text>"},
    {"dlg-check", 2, DlgCheck, "<caption> <id>"},
    {"dlg-ischecked", 2, DlgIsChecked, "<caption> <id>"},
    {"dlg-combo", 3, DlgCombo, "<caption> <id> <index>"},
    {"dlg-key", 2, DlgKey, "<caption> esc|enter|space"},
    {"dlg-close", 1, DlgClose, "<caption>"},
    {"dlg-focus", 1, DlgFocus, "<caption>"},
    {"close-main", 0, CloseMain, ""},
    {"main-state", 0, MainState, ""},
    {"minimise", 0, Minimise, ""},
    {"click-stamp", 1, ClickStamp, "<id>"},
    // dialer
    {"dblclick", 2, DoubleClick, "<id> left|right|middle"},
    {"cursor-over", 1, CursorOver, "<id>"},
    {"window-rect", 0, WindowRect, ""},
    {"hold-file", 2, HoldFile, "<path> <ms>"},
    // dialing procedures
    {"combo-items", 1, ComboItems, "<id>"},
    {"combo-sel", 1, ComboSel, "<id>"},
    {"combo-select", 2, ComboSelect, "<id> <index>"},
    {"click-into", 1, ClickInto, "<id>"},
    {"type-replace", 1, TypeReplacing, "<text>"},
    {"main-focus", 0, MainFocus, ""},
    {"set-clipboard", 1, SetClipboard, "<text>"},
    {"paste", 0, PasteIntoFocus, ""},
    {"dlg-size", 1, DlgSize, "<caption>"},
    // phone list
    {"press", 2, Press, "main|<caption> <key>[,<key>...]"},
    {"type", 2, TypeText, "main|<caption> <text>"},
    {"press-dial", 3, PressDial, "<key> <busy_id> <timeout_ms>"},
    {"grid-row", 0, GridRow, ""},
    {"grid-top", 0, GridTop, ""},
    {"grid-rows", 0, GridRows, ""},
    {"grid-focus", 0, GridFocus, ""},
    {"grid-items", 0, GridItems, ""},
    {"dlg-items", 2, DialogItems, "<caption> <id>"},
    {"dlg-item-point", 3, DialogItemPoint, "<caption> <id> <item>"},
    {"a11y-walk", 1, AccessibleWalk, "main|<caption>"},
    {"a11y-read", 2, AccessibleRead, "main|<caption> <id>"},
    {"listen-focus", 0, ListenFocus, ""},
    {"wait-focus-event", 1, WaitFocusEvent, "<timeout_ms>"},
    {"grid-click", 1, GridClick, "<row>"},
    {"grid-dblclick", 1, GridDoubleClick, "<row>"},
    {"grid-drag", 2, GridDrag, "<x1> <x2>"},
    // real input
    {"point", 2, Point, "main|<caption> <id>"},
    {"dlg-handle", 1, DlgHandle, "<caption>"},
    {"handled", 0, Handled, ""},
    {"wait-released", 2, WaitReleased, "<id> <timeout_ms>"},
    // printing
    {"dlg-combo-pick", 3, DlgComboPick, "<caption> <id> <text>"},
    // hints, close boxes and scroll bars
    {"hint", 2, Hint, "<id> <timeout_ms>"},
    {"dlg-close-box", 1, DlgCloseBox, "<caption>"},
    {"vscroll", 1, VerticalScrollBar, "<id>"},
    {"resize", 3, Resize, "<id> <width> <height>"},
    // fault injection
    {"outcome", 1, Outcome, "<timeout_ms>"},
    {"dlg-answer", 3, DlgAnswer, "<caption> <id> <timeout_ms>"},
    {"post-key", 2, PostKeyCmd, "main|<caption> <key>"},
    {"hold-files", 2, HoldFiles, "<path>[|<path>...] <ms>"},
    {"keep-desktop", 0, KeepDesktop, ""},
    // display scaling
    {"screen-dpi", 0, ScreenDpi, ""},
    {"layout", 0, Layout, ""},
    {"dpi-changed", 1, DpiChanged, "<dpi>"},
    {"dlg-place", 1, DialogPlace, "<caption>"},
    {"open-calls", 1, OpenCalls, "<timeout_ms>"},
    {"click-to-first-tone", 3, ClickToFirstTone, "<id> <busy_id> <timeout_ms>"},
    {"filter-calls", 2, FilterCalls, "<character> <timeout_ms>"},
    {"dlg-move", 5, DialogMove, "<caption> <x> <y> <width> <height>"},
    {"dlg-layout", 1, DialogLayout, "<caption>"},
};

// The driver sees the program's windows in their true pixels at any DPI:
// a driver that is not DPI aware would be given them scaled to 96 DPI.
void SeeTruePixels() {
  using SetContext = BOOL(WINAPI*)(HANDLE);
  const auto setContext = reinterpret_cast<SetContext>(reinterpret_cast<void (*)()>(
      GetProcAddress(GetModuleHandleA("user32.dll"), "SetProcessDpiAwarenessContext")));
  const HANDLE perMonitorV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
  if (!setContext || !setContext(perMonitorV2)) SetProcessDPIAware();
}

// Runs one command; returns the reason it failed, or "" when it succeeded.
std::string Run(std::vector<char*> words) {
  g_answer.clear();
  // "in <caption> <command>...": the command works on that main window.
  g_mainCaption = nullptr;
  if (words.size() >= 3 && std::strcmp(words[0], "in") == 0) {
    g_mainCaption = words[1];
    words.erase(words.begin(), words.begin() + 2);
  }
  for (const Command& c : kCommands) {
    if (std::strcmp(words[0], c.name) != 0) continue;
    if (static_cast<int>(words.size()) - 1 != c.argc) return std::string("usage: ") + c.name + " " + c.usage;
    try {
      c.run(const_cast<char**>(words.data()) + 1);
      return "";
    } catch (const Failure& f) {
      return f.reason;
    }
  }
  return std::string("unknown command: ") + words[0];
}

// The next word of the shell's commands, ended by a zero byte; false at
// the end of the input.
bool ReadWord(std::string& word) {
  static char buffer[4096];
  static DWORD at = 0, size = 0;
  word.clear();
  for (;;) {
    if (at == size) {
      at = 0;
      if (!ReadFile(GetStdHandle(STD_INPUT_HANDLE), buffer, sizeof buffer, &size, nullptr) || size == 0) return false;
    }
    const char c = buffer[at++];
    if (c == '\0') return true;
    word += c;
  }
}

// The shell speaks UTF-8; the program's controls take the system code page,
// as a command line would give it. Bytes that are not UTF-8 are taken as
// they are: the code page's own.
std::string ShellText(const std::string& text) {
  const int length = static_cast<int>(text.size());
  std::wstring wide(text.size(), L'\0');
  const int got = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), length, wide.data(), length);
  if (got <= 0) return text;
  std::string narrow(text.size() * 2 + 1, '\0');
  narrow.resize(static_cast<size_t>(
      WideCharToMultiByte(CP_ACP, 0, wide.data(), got, narrow.data(), static_cast<int>(narrow.size()), nullptr, nullptr)));
  return narrow;
}

// Answers the shell's commands until its input ends.
int Serve() {
  std::string count;
  while (ReadWord(count)) {
    std::vector<std::string> words(static_cast<size_t>(std::max(0L, std::strtol(count.c_str(), nullptr, 10))));
    for (std::string& word : words) {
      if (!ReadWord(word)) return 0;
      word = ShellText(word);
    }
    if (words.empty()) return 1;
    std::vector<char*> pointers;
    for (std::string& word : words) pointers.push_back(word.data());
    std::string failure = Run(pointers);
    std::replace(failure.begin(), failure.end(), '\n', ' ');
    std::replace(failure.begin(), failure.end(), '\r', ' ');
    WriteOut(failure.empty() ? g_answer + "\x1eok\n" : "\x1e" "fail " + failure + "\n");
    if (g_cutOff) {
      std::fprintf(stderr, "driver: ends after %s, which cut off a call into the program\n", words[0].c_str());
      return 2;
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  SeeTruePixels();
  MSG message;  // the thread's message queue, which window events come to
  PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
  if (argc == 2 && std::strcmp(argv[1], "serve") == 0) return Serve();
  if (argc < 2) {
    std::fprintf(stderr, "usage: driver serve | driver <command> [args...]\n");
    return 1;
  }
  const std::string failure = Run(std::vector<char*>(argv + 1, argv + argc));
  if (!failure.empty()) {
    std::fprintf(stderr, "driver %s: %s\n", argv[1], failure.c_str());
    return 1;
  }
  PrintNow();
  return 0;
}
