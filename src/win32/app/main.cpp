// The program entry: the main window (start-up runs in its creation), then
// the message loop until it closes.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/app/io_error.h"
#include "core/app/start_plan.h"
#include "core/contacts/outside_number.h"
#include "core/settings/settings.h"
#include "win32/app/link_handoff.h"
#include "win32/app/link_registration.h"
#include "win32/app/main_window.h"
#include "win32/files/files.h"

namespace {

// Windows looks for a DLL that is not a known DLL in the program's folder
// first, and a downloads folder may hold anything. From here on only the
// system folder is searched, for the program's delay-loaded DLLs and for
// those the system DLLs load for it. Vista and 7 without the update that
// brought SetDefaultDllDirectories at least leave out the current folder.
void LimitDllSearchToSystemFolder() {
  using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
  FARPROC found = GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories");
  auto setDefaultDllDirectories =
      reinterpret_cast<SetDefaultDllDirectoriesFunction>(reinterpret_cast<void (*)()>(found));
  if (!setDefaultDllDirectories || !setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
    SetDllDirectoryA("");
  }
}

// A link's number goes to the Tonvero that runs already, if one does; this
// start then ends, touching no file. False when no Tonvero runs.
bool HandedToRunningTonvero(const char* argument) {
  if (!argument) return false;
  const std::optional<tonvero::CleanedNumber> link = tonvero::ReadTelephoneLink(argument);
  if (!link || link->Refused()) return false;
  switch (tonvero::HandNumberToRunningTonvero(link->number)) {
    case tonvero::Handoff::kNoneRunning: return false;
    case tonvero::Handoff::kTaken: return true;
    case tonvero::Handoff::kRefused: break;
  }
  const std::string message = "Tonvero is dialing and could not take the number " + link->number +
                              ".\nTry again when the dial has ended.";
  MessageBoxA(nullptr, message.c_str(), "Tonvero", MB_OK | MB_ICONWARNING);
  return true;
}

// A link Windows opens comes with the folder whose files Tonvero keeps, as
// the program that had the link may run anywhere.
bool EnterFolder(const std::string& folder) {
  if (folder.empty() || SetCurrentDirectoryA(folder.c_str())) return true;
  const std::string message = "Tonvero cannot work in the folder " + folder +
                              ".\nRegister it again from the folder that holds its files: tonvero.exe /register";
  MessageBoxA(nullptr, message.c_str(), "Tonvero", MB_OK | MB_ICONERROR);
  return false;
}

// Start-ups take turns, each until its window answers, so that a second
// start made while the first one loads its list still finds it. A start-up
// that hangs (a box waiting for the user) holds the next one for a while
// only.
class StartTurn {
 public:
  StartTurn() : turn_(CreateMutexA(nullptr, FALSE, "Tonvero start-up")) {
    if (turn_) WaitForSingleObject(turn_, 10000);
  }
  ~StartTurn() { End(); }
  StartTurn(const StartTurn&) = delete;
  StartTurn& operator=(const StartTurn&) = delete;
  void End() {
    if (!turn_) return;
    ReleaseMutex(turn_);  // not held after the wait ran out: fails, harmless
    CloseHandle(turn_);
    turn_ = nullptr;
  }

 private:
  HANDLE turn_;
};

// The database a start without a link opens, decided as start-up decides
// it: the plan's, then the path tv.cn3 stores. Reads tv.cn3 and writes
// nothing.
std::string DatabaseOfThisStart(const tonvero::StartPlan& plan) {
  using namespace tonvero;
  Settings settings;
  settings.dbBase = plan.dbBase;
  try {
    if (const std::optional<Bytes> stored = ReadFileIfPresent(plan.folder + "tv.cn3")) DecodeSettings(*stored, settings);
  } catch (const IoError&) {
    // Unreadable: start-up says so, with the database it then opens.
  }
  return settings.dbBase;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  LimitDllSearchToSystemFolder();
  const tonvero::StartRequest request =
      tonvero::ReadStartArguments(std::vector<std::string>(__argv + std::min(__argc, 1), __argv + __argc));
  if (request.action != tonvero::StartAction::kRun) return tonvero::RunLinkRegistration(request.action);
  const char* firstArgument = request.argument.empty() ? nullptr : request.argument.c_str();
  StartTurn turn;
  if (HandedToRunningTonvero(firstArgument)) return 0;
  if (!EnterFolder(request.folder)) return 1;
  const tonvero::StartPlan plan = tonvero::PlanStart(tonvero::CurrentFolder(), request.argument);
  // The list a Tonvero has open already: that one comes to the front.
  if (!plan.link && tonvero::HandStartToRunningTonvero(DatabaseOfThisStart(plan)) == tonvero::Handoff::kTaken) {
    return 0;
  }
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_UPDOWN_CLASS |
                                                   ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&classes);
  tonvero::MainWindow mainWindow;
  HWND window = mainWindow.Create(instance, plan);
  turn.End();
  if (!window) {
    if (!mainWindow.StartFailure().empty()) {
      MessageBoxA(nullptr, mainWindow.StartFailure().c_str(), "Tonvero", MB_OK | MB_ICONERROR);
    }
    return 1;
  }
  ShowWindow(window, show);
  UpdateWindow(window);

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (TranslateAcceleratorA(window, mainWindow.Accelerators(), &message)) continue;
    if (IsDialogMessageA(window, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}
