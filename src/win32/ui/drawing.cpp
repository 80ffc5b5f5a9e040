#include "win32/ui/drawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "win32/ui/look.h"

namespace tonvero {

using namespace look::art;

namespace {

// DIB pixels are 0x00RRGGBB; COLORREF is 0x00BBGGRR.
uint32_t ToPixel(COLORREF c) {
  return (uint32_t{GetRValue(c)} << 16) | (uint32_t{GetGValue(c)} << 8) | GetBValue(c);
}

// The first of `faces` that the system has.
const char* PickFace(std::initializer_list<const char*> faces) {
  HDC dc = CreateCompatibleDC(nullptr);
  const char* chosen = *faces.begin();
  for (const char* face : faces) {
    Selected font(dc, MakeFont(11, FW_NORMAL, face));
    char actual[LF_FACESIZE] = "";
    GetTextFaceA(dc, LF_FACESIZE, actual);
    if (lstrcmpiA(actual, face) == 0) {
      chosen = face;
      break;
    }
  }
  DeleteDC(dc);
  return chosen;
}

}  // namespace

COLORREF Mix(COLORREF a, COLORREF b, double t) {
  auto channel = [t](int x, int y) { return static_cast<BYTE>(x + (y - x) * t + 0.5); };
  return RGB(channel(GetRValue(a), GetRValue(b)), channel(GetGValue(a), GetGValue(b)),
             channel(GetBValue(a), GetBValue(b)));
}

// ---------------------------------------------------------------- canvas

Canvas::Canvas(int width, int height, COLORREF background, Scale scale)
    : width_(width), height_(height), pixelWidth_(scale(width)), pixelHeight_(scale(height)), scale_(scale) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = pixelWidth_;
  info.bmiHeader.biHeight = -pixelHeight_;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  HDC screen = GetDC(nullptr);
  dc_ = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  void* bits = nullptr;
  bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bits) {  // out of resources: a 1 x 1 canvas keeps the drawing safe
    pixelWidth_ = pixelHeight_ = 1;
    bits = &spare_;
  }
  pixels_ = static_cast<uint32_t*>(bits);
  old_ = SelectObject(dc_, bitmap_);
  SetBkMode(dc_, TRANSPARENT);
  if (scale != Scale{}) {
    SetGraphicsMode(dc_, GM_ADVANCED);
    const float zoom = static_cast<float>(scale.Dpi()) / kLayoutDpi;
    const XFORM scaling{zoom, 0, 0, zoom, 0, 0};
    SetWorldTransform(dc_, &scaling);
  }
  const uint32_t fill = ToPixel(background);
  for (int i = 0; i < pixelWidth_ * pixelHeight_; ++i) pixels_[i] = fill;
}

Canvas::~Canvas() {
  SelectObject(dc_, old_);
  DeleteDC(dc_);
  if (bitmap_) DeleteObject(bitmap_);
}

HBITMAP Canvas::Release(bool keepAlpha) {
  GdiFlush();
  if (!keepAlpha) {
    for (int i = 0; i < pixelWidth_ * pixelHeight_; ++i) pixels_[i] |= 0xFF000000u;
  }
  SelectObject(dc_, old_);
  HBITMAP result = bitmap_;
  bitmap_ = nullptr;
  return result;
}

// ---------------------------------------------------------------- fonts

HFONT MakeFont(int pixels, int weight, const char* face, DWORD quality) {
  return CreateFontA(-pixels, 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, quality, DEFAULT_PITCH | FF_SWISS,
                     face);
}

const char* UiFace() {
  static const char* face = PickFace(
      {"MS Sans Serif", "Microsoft Sans Serif", "Arial", "Liberation Sans", "Nimbus Sans"});
  return face;
}

const char* TitleFace() {
  static const char* face = PickFace({"Arial", "Liberation Sans", "Nimbus Sans"});
  return face;
}

const char* FixedFace() {
  static const char* face = PickFace({"Courier New", "Liberation Mono", "Nimbus Mono PS"});
  return face;
}

// ---------------------------------------------------------------- shapes

// Points along an ellipse; angles in degrees, counter-clockwise from east.
Shape ArcPoints(Pt centre, double rx, double ry, double from, double to) {
  const int steps = std::max(6, static_cast<int>(std::fabs(to - from) / 4));
  Shape points;
  for (int i = 0; i <= steps; ++i) {
    const double a = (from + (to - from) * i / steps) * std::numbers::pi / 180;
    points.push_back({centre.x + rx * std::cos(a), centre.y - ry * std::sin(a)});
  }
  return points;
}

void Append(Shape& shape, const Shape& more) { shape.insert(shape.end(), more.begin(), more.end()); }

// Turns a shape by `degrees` (counter-clockwise) around `pivot`.
Shape Turned(const Shape& shape, Pt pivot, double degrees) {
  const double a = degrees * std::numbers::pi / 180, c = std::cos(a), s = std::sin(a);
  Shape result;
  for (Pt p : shape) {
    const double dx = p.x - pivot.x, dy = p.y - pivot.y;
    result.push_back({pivot.x + dx * c + dy * s, pivot.y - dx * s + dy * c});
  }
  return result;
}

// ---------------------------------------------------------------- sketch

Sketch::Sketch(int width, int height, Scale scale)
    : width_(scale(width)),
      height_(scale(height)),
      zoom_(kScale * static_cast<double>(scale.Dpi()) / kLayoutDpi),
      big_(width_ * kScale, height_ * kScale, kKey) {
  SelectObject(big_.dc(), GetStockObject(DC_BRUSH));
  SelectObject(big_.dc(), GetStockObject(NULL_PEN));
}

int Sketch::Px(double v) const { return static_cast<int>(std::lround(v * zoom_)); }

template <class F>
void Sketch::Reduce(F f) {
  const uint32_t key = ToPixel(kKey);
  for (int py = 0; py < height_; ++py) {
    for (int px = 0; px < width_; ++px) {
      int sum[3] = {0, 0, 0}, covered = 0;
      for (int sy = 0; sy < kScale; ++sy) {
        for (int sx = 0; sx < kScale; ++sx) {
          const uint32_t v = big_.At(px * kScale + sx, py * kScale + sy) & 0xFFFFFF;
          if (v == key) continue;
          ++covered;
          sum[0] += v >> 16;
          sum[1] += (v >> 8) & 0xFF;
          sum[2] += v & 0xFF;
        }
      }
      f(px, py, sum, covered);
    }
  }
}

void Sketch::Fill(const Shape& shape, COLORREF colour) {
  std::vector<POINT> points;
  for (Pt p : shape) points.push_back(Scaled(p));
  SetDCBrushColor(big_.dc(), colour);
  Polygon(big_.dc(), points.data(), static_cast<int>(points.size()));
}

void Sketch::Disc(Pt centre, double r, COLORREF colour) {
  Fill(ArcPoints(centre, r, r, 0, 360), colour);
}

void Sketch::Box(double left, double top, double right, double bottom, double radius,
         COLORREF colour) {
  SetDCBrushColor(big_.dc(), colour);
  const int d = Px(2 * radius);
  RoundRect(big_.dc(), Px(left), Px(top), Px(right) + 1, Px(bottom) + 1, d, d);
}

// A box shaded from `top` to `bottom` colour.
void Sketch::ShadedBox(double left, double top, double right, double bottom, double radius,
               COLORREF topColour, COLORREF bottomColour) {
  const int d = Px(2 * radius);
  HRGN region = CreateRoundRectRgn(Px(left), Px(top), Px(right) + 1, Px(bottom) + 1, d, d);
  SelectClipRgn(big_.dc(), region);
  for (int y = Px(top); y < Px(bottom); ++y) {
    SetDCBrushColor(big_.dc(), Mix(topColour, bottomColour,
                                   (y - Px(top)) / double(Px(bottom) - Px(top))));
    RECT row{Px(left), y, Px(right), y + 1};
    FillRect(big_.dc(), &row, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  }
  SelectClipRgn(big_.dc(), nullptr);
  DeleteObject(region);
}

// A line through `shape` with round ends and joins.
void Sketch::Stroke(const Shape& shape, double width, COLORREF colour) {
  LOGBRUSH brush{BS_SOLID, colour, 0};
  Selected pen(big_.dc(),
               ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND,
                            Px(width), &brush, 0, nullptr));
  std::vector<POINT> points;
  for (Pt p : shape) points.push_back(Scaled(p));
  Polyline(big_.dc(), points.data(), static_cast<int>(points.size()));
}

// One line of text centred in the box, `spacing` pixels between letters.
void Sketch::Text(double left, double top, double right, double bottom, const char* text,
          int pixels, int weight, COLORREF colour, const char* face, int spacing) {
  Selected font(big_.dc(), MakeFont(Px(pixels), weight, face));
  SetTextColor(big_.dc(), colour);
  SetTextCharacterExtra(big_.dc(), Px(spacing));
  RECT r{Px(left), Px(top), Px(right), Px(bottom)};
  DrawTextA(big_.dc(), text, -1, &r, DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  SetTextCharacterExtra(big_.dc(), 0);
}

// Averages the sketch down onto `canvas` at (x, y) of its 96-DPI
// coordinates, over what is there; both are at one scale.
void Sketch::PaintOn(Canvas& canvas, int x, int y) {
  x = canvas.scale()(x);
  y = canvas.scale()(y);
  GdiFlush();
  Reduce([&](int px, int py, const int sum[3], int covered) {
    uint32_t& target = canvas.At(x + px, y + py);
    const int rest = kScale * kScale - covered;
    uint32_t out = 0;
    for (int c = 0; c < 3; ++c) {
      const int shift = 16 - 8 * c;
      const int under = (target >> shift) & 0xFF;
      out |= uint32_t((sum[c] + under * rest) / (kScale * kScale)) << shift;
    }
    target = out;
  });
}

HBITMAP Sketch::Picture(COLORREF background) {
  Canvas canvas(width_, height_, background);  // pixel for pixel
  PaintOn(canvas, 0, 0);
  return canvas.Release();
}

// An icon whose alpha follows the drawn coverage; its mask, for displays
// that ignore alpha, leaves out what was not drawn at all.
HICON Sketch::Icon() {
  Canvas colour(width_, height_, look::kBlack);
  const int stride = (width_ + 15) / 16 * 2;
  std::vector<BYTE> mask(stride * height_, 0);
  GdiFlush();
  Reduce([&](int px, int py, const int sum[3], int covered) {
    if (covered == 0) {
      mask[py * stride + px / 8] |= 0x80 >> (px % 8);
      return;
    }
    const uint32_t alpha = covered * 255 / (kScale * kScale);
    colour.At(px, py) = alpha << 24 | uint32_t(sum[0] / covered) << 16 |
                        uint32_t(sum[1] / covered) << 8 | uint32_t(sum[2] / covered);
  });
  HBITMAP maskBitmap = CreateBitmap(width_, height_, 1, 1, mask.data());
  HBITMAP colourBitmap = colour.Release(true);
  ICONINFO info{TRUE, 0, 0, maskBitmap, colourBitmap};
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(maskBitmap);
  DeleteObject(colourBitmap);
  return icon;
}

// ---------------------------------------------------------------- motifs

// A telephone handset seen from the front, lying with its cups down:
// `length` from cup to cup, centred on `centre`, turned by `degrees`.
void DrawHandset(Sketch& s, Pt centre, double length, double degrees, COLORREF colour) {
  Shape outline = ArcPoints({0, 0.03}, 0.42, 0.2, 180, 0);          // top of the grip
  Append(outline, ArcPoints({0.35, 0.05}, 0.17, 0.12, 20, -160));    // right cup
  Append(outline, ArcPoints({0, 0.06}, 0.22, 0.08, 10, 170));        // underside of the grip
  Append(outline, ArcPoints({-0.35, 0.05}, 0.17, 0.12, -20, -200));  // left cup
  for (Pt& p : outline) p = {centre.x + p.x * length, centre.y + p.y * length};
  s.Fill(Turned(outline, centre, degrees), colour);
}

// Sound waves: arcs of the given radii around `centre`, from one angle to another.
void DrawWaves(Sketch& s, Pt centre, std::initializer_list<double> radii, double from,
               double to, double width, COLORREF colour) {
  for (double r : radii) s.Stroke(ArcPoints(centre, r, r, from, to), width, colour);
}

// A handset tilted as if lifted, with two waves around its earpiece: the
// maker's mark.
void DrawCallMark(Sketch& s, Pt centre, double length, COLORREF handset, COLORREF waves) {
  const double turn = 35;
  const Pt ear = Turned({{centre.x + 0.38 * length, centre.y}}, centre, turn)[0];
  DrawWaves(s, ear, {0.2 * length, 0.36 * length}, turn - 45, turn + 45, 0.1 * length, waves);
  DrawHandset(s, centre, length, turn, handset);
}

// The ground of the maker's emblem: a shaded rounded tile.
void DrawTile(Sketch& s, double left, double top, double size) {
  const double k = size / 100;
  s.Box(left, top, left + size, top + size, 20 * k, kNavy);
  s.ShadedBox(left + 2.5 * k, top + 2.5 * k, left + size - 2.5 * k, top + size - 2.5 * k,
              18 * k, kTileTop, kTileBottom);
}

}  // namespace tonvero
