// print_pages.exe <title> <pages>: the floor for printing on this machine:
// `pages` pages of 35 lines of 10-point Arial in one font on the default
// printer, as a job named `title`. Prints "start" as the job starts.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
  char printer[512] = {};
  DWORD size = sizeof printer;
  HDC dc = argc == 3 && GetDefaultPrinterA(printer, &size) ? CreateDCA("WINSPOOL", printer, nullptr, nullptr) : nullptr;
  if (!dc) return std::fprintf(stderr, "usage: print_pages <title> <pages>, with a default printer\n"), 2;
  SelectObject(dc, CreateFontA(-MulDiv(100, GetDeviceCaps(dc, LOGPIXELSY), 720), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                               FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                               DEFAULT_PITCH, "Arial"));
  const int lineHeight = GetDeviceCaps(dc, VERTRES) / 40;
  DOCINFOA document{};
  document.cbSize = sizeof document;
  document.lpszDocName = argv[1];
  std::printf("start\n");
  std::fflush(stdout);
  bool printed = StartDocA(dc, &document) > 0;
  for (int page = 1; printed && page <= std::atoi(argv[2]); ++page) {
    printed = StartPage(dc) > 0;
    for (int line = 1; printed && line <= 35; ++line) {
      const std::string text = "Page " + std::to_string(page) + ", line " + std::to_string(line) + ": ANNA BRAY 0123 HOME";
      printed = TextOutA(dc, 100, lineHeight * (line + 1), text.data(), static_cast<int>(text.size()));
    }
    printed = printed && EndPage(dc) > 0;
  }
  if (!(printed && EndDoc(dc) > 0)) return std::fprintf(stderr, "printing failed (error %lu)\n", GetLastError()), 1;
  return 0;
}
