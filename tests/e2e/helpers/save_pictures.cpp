// Saves each of the program's pictures, drawn at a DPI (96 unless given), as
// a .bmp file into the folder given on the command line, and prints one line
// per picture: its name, its size and how many colours it holds. Exits with
// 1 when a picture is missing, has the wrong size for the DPI or is all one
// colour.
//
//   save_pictures.exe <folder> [dpi]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "win32/app/help_page.h"
#include "win32/app/pictures.h"
#include "win32/dialer/telephone_pictures.h"

namespace {

// Reads a bitmap as 32-bit top-down pixels.
std::vector<DWORD> Pixels(HBITMAP bitmap, int& width, int& height) {
  BITMAP info{};
  GetObjectA(bitmap, sizeof(info), &info);
  width = info.bmWidth;
  height = info.bmHeight;
  BITMAPINFO request{};
  request.bmiHeader.biSize = sizeof(request.bmiHeader);
  request.bmiHeader.biWidth = width;
  request.bmiHeader.biHeight = -height;
  request.bmiHeader.biPlanes = 1;
  request.bmiHeader.biBitCount = 32;
  request.bmiHeader.biCompression = BI_RGB;
  std::vector<DWORD> pixels(static_cast<std::size_t>(width) * height);
  HDC dc = CreateCompatibleDC(nullptr);
  GetDIBits(dc, bitmap, 0, height, pixels.data(), &request, DIB_RGB_COLORS);
  DeleteDC(dc);
  return pixels;
}

bool WriteBmp(const std::string& path, const std::vector<DWORD>& pixels, int width,
              int height) {
  const int stride = (width * 3 + 3) & ~3;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER head{};
  head.biSize = sizeof(head);
  head.biWidth = width;
  head.biHeight = height;  // bottom-up
  head.biPlanes = 1;
  head.biBitCount = 24;
  head.biCompression = BI_RGB;
  head.biSizeImage = stride * height;
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(head);
  file.bfSize = file.bfOffBits + head.biSizeImage;
  std::vector<BYTE> rows(head.biSizeImage, 0);
  for (int y = 0; y < height; ++y) {
    BYTE* row = &rows[static_cast<std::size_t>(height - 1 - y) * stride];
    for (int x = 0; x < width; ++x) {
      const DWORD p = pixels[static_cast<std::size_t>(y) * width + x];
      row[3 * x] = p & 0xFF;
      row[3 * x + 1] = (p >> 8) & 0xFF;
      row[3 * x + 2] = (p >> 16) & 0xFF;
    }
  }
  FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) return false;
  bool ok = std::fwrite(&file, sizeof(file), 1, out) == 1 &&
            std::fwrite(&head, sizeof(head), 1, out) == 1 &&
            std::fwrite(rows.data(), 1, rows.size(), out) == rows.size();
  return std::fclose(out) == 0 && ok;
}

// Draws an icon on the button face colour, as the title bar would show it.
HBITMAP IconOnFace(HICON icon, int size) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT all{0, 0, size, size};
  FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
  DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
  SelectObject(dc, old);
  DeleteDC(dc);
  return bitmap;
}

// Saves one picture and checks it; returns false on a fault.
bool Save(const std::string& folder, const char* name, HBITMAP bitmap, int wantWidth,
          int wantHeight) {
  if (!bitmap) {
    std::printf("%s: not created\n", name);
    return false;
  }
  int width = 0, height = 0;
  const std::vector<DWORD> pixels = Pixels(bitmap, width, height);
  DeleteObject(bitmap);
  std::set<DWORD> colours;
  for (DWORD p : pixels) colours.insert(p & 0xFFFFFF);
  const bool written = WriteBmp(folder + "\\" + name + ".bmp", pixels, width, height);
  std::printf("%s: %d x %d, %u colours%s\n", name, width, height,
              static_cast<unsigned>(colours.size()), written ? "" : ", not written");
  return written && width == wantWidth && height == wantHeight && colours.size() > 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::printf("usage: save_pictures <folder> [dpi]\n");
    return 2;
  }
  const std::string folder = argv[1];
  const tonvero::Scale s(argc > 2 ? std::atoi(argv[2]) : tonvero::kLayoutDpi);
  CreateDirectoryA(folder.c_str(), nullptr);

  bool ok = true;
  ok &= Save(folder, "logo", tonvero::CreateLogoPicture(s), s(113), s(113));
  ok &= Save(folder, "idle", tonvero::CreateIdlePicture(s), s(33), s(33));
  ok &= Save(folder, "dialing", tonvero::CreateDialingPicture(s), s(33), s(33));
  ok &= Save(folder, "banner", tonvero::CreateBannerPicture(s), s(217), s(17));
  ok &= Save(folder, "exit", tonvero::CreateExitGlyph(s), s(24), s(24));
  ok &= Save(folder, "help", tonvero::CreateHelpPicture(s), s(385), s(301));
  for (int size : {16, 32}) {
    HICON icon = tonvero::CreateWindowIcon(size);
    const std::string name = "icon" + std::to_string(size);
    if (!icon) {
      std::printf("%s: not created\n", name.c_str());
      ok = false;
      continue;
    }
    ok &= Save(folder, name.c_str(), IconOnFace(icon, size), size, size);
    DestroyIcon(icon);
  }
  std::printf("%s\n", ok ? "pictures: ok" : "pictures: FAILED");
  return ok ? 0 : 1;
}
