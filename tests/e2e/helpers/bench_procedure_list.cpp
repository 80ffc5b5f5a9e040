// bench_procedure_list.exe <dbBase> <rounds>: times the procedure bar's load
// (read, normalise, fill the name box, rewrite the backup) and save of the
// database's procedure file, in a window of its own, and how long the name
// box takes to select and drop down its last entry. Prints the fastest and
// the median round of each, in milliseconds.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "win32/ui/control_ids.h"
#include "win32/ui/forms.h"
#include "win32/procedures/procedure_bar.h"
#include "win32/procedures/procedure_file.h"

#include "bench_timing.h"

using namespace tonvero;

namespace {

void Pump() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: bench_procedure_list <dbBase> <rounds>\n");
    return 1;
  }
  const std::string dbBase = argv[1];
  const int rounds = std::max(1, std::atoi(argv[2]));

  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "BenchProcedures";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowA("BenchProcedures", "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                              640, 400, nullptr, nullptr, windowClass.hInstance, nullptr);
  ProcedureBar bar;
  bar.Create(window, RECT{0, 0, 572, 28}, RECT{232, 216, 617, 366}, Scale{});
  Pump();

  Report("read and normalise only", rounds, [&] { ReadProcedureFile(dbBase); });
  Report("load", rounds, [&] { bar.Load(dbBase); });
  std::printf("procedures loaded: %d, names in the box: %d\n", bar.List().UserCount(),
              static_cast<int>(SendMessageA(GetDlgItem(bar.Handle(), IDC_DP_NAME), CB_GETCOUNT, 0, 0)));
  Report("save", rounds, [&] { bar.Save(); });
  HWND names = GetDlgItem(bar.Handle(), IDC_DP_NAME);
  Report("select the last entry", rounds, [&] {
    bar.Select(bar.List().UserCount());
    UpdateWindow(names);
  });
  Report("drop down and close the box", rounds, [&] {
    SendMessageA(names, CB_SHOWDROPDOWN, TRUE, 0);
    Pump();
    SendMessageA(names, CB_SHOWDROPDOWN, FALSE, 0);
    Pump();
  });
  Report("step to the previous entry", rounds, [&] { bar.StepPrevious(); });
  DestroyWindow(window);
  return 0;
}
