// print_pages.exe <title> <pages>: the floor for printing on this machine's
// printer: `pages` pages of 35 lines of 10-point Arial, one font for the
// whole job, printed on the default printer as a job named `title`.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: print_pages <title> <pages>\n");
    return 2;
  }
  char printer[512] = {};
  DWORD size = sizeof printer;
  if (!GetDefaultPrinterA(printer, &size)) {
    std::fprintf(stderr, "no default printer (error %lu)\n", GetLastError());
    return 1;
  }
  HDC dc = CreateDCA("WINSPOOL", printer, nullptr, nullptr);
  if (!dc) {
    std::fprintf(stderr, "cannot open printer %s (error %lu)\n", printer, GetLastError());
    return 1;
  }
  const int height = -MulDiv(100, GetDeviceCaps(dc, LOGPIXELSY), 720);
  HFONT font = CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Arial");
  const int lineHeight = GetDeviceCaps(dc, VERTRES) / 40;
  DOCINFOA document{};
  document.cbSize = sizeof document;
  document.lpszDocName = argv[1];
  // The caller times the job from here.
  std::printf("start\n");
  std::fflush(stdout);
  bool printed = StartDocA(dc, &document) > 0;
  for (int page = 1; printed && page <= std::atoi(argv[2]); ++page) {
    printed = StartPage(dc) > 0;
    SelectObject(dc, font);
    for (int line = 0; printed && line < 35; ++line) {
      const std::string text = "Page " + std::to_string(page) + ", line " + std::to_string(line + 1) +
                               ": ANNA BRAY 0123 456789 HOME";
      printed = TextOutA(dc, 100, lineHeight * (line + 2), text.data(), static_cast<int>(text.size()));
    }
    printed = printed && EndPage(dc) > 0;
  }
  printed = printed && EndDoc(dc) > 0;
  if (!printed) std::fprintf(stderr, "printing failed (error %lu)\n", GetLastError());
  DeleteObject(font);
  DeleteDC(dc);
  return printed ? 0 : 1;
}
