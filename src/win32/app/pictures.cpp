// The program's pictures. Each one is drawn with plain GDI into a 32-bit DIB
// at the DPI it is shown at: coordinates are those of the picture at 96 DPI,
// scaled as they are drawn, so a picture is as sharp at 200 % as at 100 %.
// Shapes are drawn at four times the picture's size and averaged down, which
// gives them smooth edges; small text is drawn directly at its size so that
// it stays crisp.
#include "win32/app/pictures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <iterator>
#include <numbers>
#include <vector>

#include "core/app/help_text.h"
#include "win32/ui/look.h"

namespace tonvero {
namespace {

// ---------------------------------------------------------------- colours

using namespace look::art;

COLORREF Mix(COLORREF a, COLORREF b, double t) {
  auto channel = [t](int x, int y) { return static_cast<BYTE>(x + (y - x) * t + 0.5); };
  return RGB(channel(GetRValue(a), GetRValue(b)), channel(GetGValue(a), GetGValue(b)),
             channel(GetBValue(a), GetBValue(b)));
}

// DIB pixels are 0x00RRGGBB; COLORREF is 0x00BBGGRR.
uint32_t ToPixel(COLORREF c) {
  return (uint32_t{GetRValue(c)} << 16) | (uint32_t{GetGValue(c)} << 8) | GetBValue(c);
}

// ---------------------------------------------------------------- canvas

// A top-down 32-bit DIB section selected into a memory DC, `width` x
// `height` at 96 DPI and as many pixels as that is at `scale`. GDI draws on
// it in 96-DPI coordinates, which a world transform scales.
class Canvas {
 public:
  Canvas(int width, int height, COLORREF background, Scale scale = {})
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
  ~Canvas() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
    if (bitmap_) DeleteObject(bitmap_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC dc() const { return dc_; }
  // The size at 96 DPI, in GDI's coordinates.
  int width() const { return width_; }
  int height() const { return height_; }
  const Scale& scale() const { return scale_; }
  // Direct access to the pixel (x, y) of the bitmap, at its scale; call
  // GdiFlush() first when GDI drew since. Outside the canvas it reaches a
  // spare pixel.
  uint32_t& At(int x, int y) {
    return x >= 0 && y >= 0 && x < pixelWidth_ && y < pixelHeight_ ? pixels_[y * pixelWidth_ + x] : spare_;
  }

  // Hands the bitmap over to the caller, fully opaque unless `keepAlpha`:
  // controls that honour alpha then show it as drawn.
  HBITMAP Release(bool keepAlpha = false) {
    GdiFlush();
    if (!keepAlpha) {
      for (int i = 0; i < pixelWidth_ * pixelHeight_; ++i) pixels_[i] |= 0xFF000000u;
    }
    SelectObject(dc_, old_);
    HBITMAP result = bitmap_;
    bitmap_ = nullptr;
    return result;
  }

 private:
  int width_, height_, pixelWidth_, pixelHeight_;
  Scale scale_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
  uint32_t* pixels_;
  uint32_t spare_ = 0;
};

// Selects a GDI object for one scope, then deletes it.
class Selected {
 public:
  Selected(HDC dc, HGDIOBJ object) : dc_(dc), object_(object), old_(SelectObject(dc, object)) {}
  ~Selected() {
    SelectObject(dc_, old_);
    DeleteObject(object_);
  }
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;

 private:
  HDC dc_;
  HGDIOBJ object_, old_;
};

HFONT MakeFont(int pixels, int weight, const char* face, DWORD quality = NONANTIALIASED_QUALITY) {
  return CreateFontA(-pixels, 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, quality, DEFAULT_PITCH | FF_SWISS,
                     face);
}

// The first of `faces` that the system has, so that text keeps the
// proportions it was laid out for where a face is missing.
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

struct Pt {
  double x, y;
};
using Shape = std::vector<Pt>;

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

// Drawing surface kScale times the picture's size at `scale`. Coordinates
// are given in picture pixels at 96 DPI; the picture's pixel (x, y) covers
// [x, x+1) x [y, y+1) there. What is not drawn on stays "uncovered" and
// lets the background through.
class Sketch {
 public:
  static constexpr int kScale = 4;

  Sketch(int width, int height, Scale scale = {})
      : width_(scale(width)),
        height_(scale(height)),
        zoom_(kScale * static_cast<double>(scale.Dpi()) / kLayoutDpi),
        big_(width_ * kScale, height_ * kScale, kKey) {
    SelectObject(big_.dc(), GetStockObject(DC_BRUSH));
    SelectObject(big_.dc(), GetStockObject(NULL_PEN));
  }

  void Fill(const Shape& shape, COLORREF colour) {
    std::vector<POINT> points;
    for (Pt p : shape) points.push_back(Scaled(p));
    SetDCBrushColor(big_.dc(), colour);
    Polygon(big_.dc(), points.data(), static_cast<int>(points.size()));
  }

  void Disc(Pt centre, double r, COLORREF colour) {
    Fill(ArcPoints(centre, r, r, 0, 360), colour);
  }

  void Box(double left, double top, double right, double bottom, double radius,
           COLORREF colour) {
    SetDCBrushColor(big_.dc(), colour);
    const int d = Px(2 * radius);
    RoundRect(big_.dc(), Px(left), Px(top), Px(right) + 1, Px(bottom) + 1, d, d);
  }

  // A box shaded from `top` to `bottom` colour.
  void ShadedBox(double left, double top, double right, double bottom, double radius,
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
  void Stroke(const Shape& shape, double width, COLORREF colour) {
    LOGBRUSH brush{BS_SOLID, colour, 0};
    Selected pen(big_.dc(),
                 ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND,
                              Px(width), &brush, 0, nullptr));
    std::vector<POINT> points;
    for (Pt p : shape) points.push_back(Scaled(p));
    Polyline(big_.dc(), points.data(), static_cast<int>(points.size()));
  }

  // One line of text centred in the box, `spacing` pixels between letters.
  void Text(double left, double top, double right, double bottom, const char* text,
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
  void PaintOn(Canvas& canvas, int x, int y) {
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

  HBITMAP Picture(COLORREF background) {
    Canvas canvas(width_, height_, background);  // pixel for pixel
    PaintOn(canvas, 0, 0);
    return canvas.Release();
  }

  // An icon whose alpha follows the drawn coverage; its mask, for displays
  // that ignore alpha, leaves out what was not drawn at all.
  HICON Icon() {
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

 private:
  int Px(double v) const { return static_cast<int>(std::lround(v * zoom_)); }
  POINT Scaled(Pt p) const { return {Px(p.x), Px(p.y)}; }

  // Calls f(x, y, rgb sums of the drawn samples, count of drawn samples)
  // for each picture pixel.
  template <class F>
  void Reduce(F f) {
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

  int width_, height_;  // the picture's pixels
  double zoom_;          // sketch pixels per 96-DPI picture pixel
  Canvas big_;
};

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

// A desk telephone, front view, in the 33 x 33 picture; while sounding its
// handset lifts and tilts, it takes the highlight colours and waves spread.
HBITMAP TelephonePicture(bool sounding, Scale scale) {
  Sketch s(33, 33, scale);
  const COLORREF body = sounding ? kHot : kTeal;
  const COLORREF shade = sounding ? kHotShade : kDeepTeal;
  const COLORREF plate = sounding ? kGlow : kPlate;
  const COLORREF keys = sounding ? kHotKeys : kDeepTeal;
  const COLORREF handset = sounding ? kHotHandset : kInk;

  if (sounding) {
    DrawWaves(s, {16.5, 16}, {13, 16.5}, -18, 42, 1.6, kHotWave);
    DrawWaves(s, {16.5, 16}, {13, 16.5}, 138, 198, 1.6, kHotWave);
  }
  // Body, base and cradle hooks.
  s.Fill({{9.5, 13}, {23.5, 13}, {27, 27}, {6, 27}}, body);
  s.Box(4.5, 26, 28.5, 30, 1.5, shade);
  s.Box(8, 11, 11, 14, 1, shade);
  s.Box(22, 11, 25, 14, 1, shade);
  // Keypad: three rows of three keys.
  s.Box(10, 16, 23, 26, 1, plate);
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 3; ++col) {
      s.Box(11 + 4 * col, 17 + 3 * row, 14 + 4 * col, 19 + 3 * row, 0.5, keys);
    }
  }
  if (sounding) {
    DrawHandset(s, {16.5, 6}, 24, 10, handset);
  } else {
    DrawHandset(s, {16.5, 8.5}, 24, 0, handset);
  }
  return s.Picture(GetSysColor(COLOR_BTNFACE));
}

// ---------------------------------------------------------------- help page

// Lays text out down a page, one block under the other.
class Page {
 public:
  Page(Canvas& canvas, int left, int right, int top, int textPixels)
      : canvas_(canvas), left_(left), right_(right), y_(top), pixels_(textPixels) {}

  void Heading(const char* text) {
    Selected font(canvas_.dc(), MakeFont(pixels_, FW_BOLD, UiFace()));
    SetTextColor(canvas_.dc(), kDeepTeal);
    const int h = Block(text, DT_SINGLELINE);
    // A hairline rule from the end of the heading to the margin.
    SIZE size;
    GetTextExtentPoint32A(canvas_.dc(), text, static_cast<int>(std::strlen(text)), &size);
    Rule(left_ + size.cx + 6, y_ + h / 2 + 1, right_, kRule);
    y_ += h + 1;
  }

  void Paragraph(const char* text) {
    Selected font(canvas_.dc(), MakeFont(pixels_, FW_NORMAL, UiFace()));
    SetTextColor(canvas_.dc(), kInk);
    y_ += Block(text, DT_WORDBREAK) + 3;
  }

  void Skip(int pixels) { y_ += pixels; }
  int y() const { return y_; }

 private:
  void Rule(int from, int y, int to, COLORREF colour) {
    SetDCBrushColor(canvas_.dc(), colour);
    RECT r{from, y, to, y + 1};
    FillRect(canvas_.dc(), &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  }

  // Draws `text` at the current line in the selected font; returns its height.
  int Block(const char* text, UINT format) {
    RECT r{left_, y_, right_, y_};
    DrawTextA(canvas_.dc(), text, -1, &r, format | DT_CALCRECT | DT_NOPREFIX);
    DrawTextA(canvas_.dc(), text, -1, &r, format | DT_NOPREFIX | DT_NOCLIP);
    return r.bottom - r.top;
  }

  Canvas& canvas_;
  int left_, right_, y_, pixels_;
};

// The example procedure, one coloured piece per step, each named underneath.
void DrawExampleProcedure(Canvas& canvas, const std::array<ProcedureStep, 5>& steps, int left, int right, int top,
                          int textPixels) {
  const COLORREF colours[] = {kNavy, kPause, kCode, kPause, kNumber};
  HDC dc = canvas.dc();
  HFONT code = MakeFont(16, FW_BOLD, FixedFace());
  HFONT name = MakeFont(textPixels, FW_NORMAL, UiFace());
  HGDIOBJ old = SelectObject(dc, code);

  // Each piece gets a column as wide as its code or its name, whichever is wider.
  const int gap = 8;
  std::vector<int> widths;
  int total = -gap;
  for (const ProcedureStep& p : steps) {
    SIZE a, b;
    SelectObject(dc, code);
    GetTextExtentPoint32A(dc, p.code, static_cast<int>(std::strlen(p.code)), &a);
    SelectObject(dc, name);
    GetTextExtentPoint32A(dc, p.name, static_cast<int>(std::strlen(p.name)), &b);
    widths.push_back(std::max(a.cx, b.cx));
    total += widths.back() + gap;
  }

  // A light card behind it.
  SelectObject(dc, GetStockObject(DC_BRUSH));
  SelectObject(dc, GetStockObject(DC_PEN));
  SetDCBrushColor(dc, kCard);
  SetDCPenColor(dc, kCardEdge);
  RoundRect(dc, left, top, right, top + 42, 8, 8);

  int x = left + (right - left - total) / 2;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const ProcedureStep& p = steps[i];
    const COLORREF colour = colours[i % std::size(colours)];
    RECT codeBox{x, top + 4, x + widths[i], top + 22};
    RECT nameBox{x, top + 25, x + widths[i], top + 39};
    SelectObject(dc, code);
    SetTextColor(dc, colour);
    DrawTextA(dc, p.code, -1, &codeBox, DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    // A small bracket ties each code to its name.
    SetDCBrushColor(dc, Mix(colour, kWhite, 0.45));
    RECT tick{codeBox.left + 2, top + 23, codeBox.right - 2, top + 24};
    FillRect(dc, &tick, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    SelectObject(dc, name);
    SetTextColor(dc, kCaption);
    DrawTextA(dc, p.name, -1, &nameBox, DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    x += widths[i] + gap;
  }
  SelectObject(dc, old);
  DeleteObject(code);
  DeleteObject(name);
}

// Draws the help page with its text `textPixels` high; false when the text
// ran past the bottom.
bool DrawHelpPage(Canvas& canvas, const HelpText& help, int textPixels) {
  const int width = canvas.width();
  {
    Sketch band(width, 24, canvas.scale());
    band.ShadedBox(0, 0, width, 24, 0, kNavy, kDeepTeal);
    DrawCallMark(band, {14, 14}, 14, kWhite, kAqua);
    band.PaintOn(canvas, 0, 0);
  }
  HDC dc = canvas.dc();
  {
    Selected title(dc, MakeFont(16, FW_BOLD, TitleFace(), ANTIALIASED_QUALITY));
    SetTextColor(dc, kWhite);
    RECT r{34, 0, width, 24};
    DrawTextA(dc, help.title, -1, &r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  }
  {
    Selected note(dc, MakeFont(textPixels, FW_NORMAL, UiFace()));
    SetTextColor(dc, kAqua);
    RECT r{0, 0, width - 10, 24};
    DrawTextA(dc, help.note, -1, &r, DT_RIGHT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_NOCLIP);
  }

  Page page(canvas, 12, width - 12, 28, textPixels);
  for (int i = 0; i < static_cast<int>(help.sections.size()); ++i) {
    page.Heading(help.sections[i].heading);
    page.Paragraph(help.sections[i].paragraph);
    if (i != help.exampleAfter) continue;
    DrawExampleProcedure(canvas, help.example, 12, width - 12, page.y() - 1, textPixels);
    page.Skip(44);
  }
  return page.y() <= canvas.height();
}

}  // namespace

// ---------------------------------------------------------------- pictures

HBITMAP CreateLogoPicture(Scale scale) {
  Sketch s(113, 113, scale);
  DrawTile(s, 1, 1, 111);
  DrawCallMark(s, {47.5, 52}, 71, kWhite, kAqua);
  s.Box(30, 80, 83, 81, 0, kGold);
  s.Text(4, 82, 109, 104, "VELMORA", 15, FW_BOLD, kWhite, TitleFace(), 2);
  return s.Picture(GetSysColor(COLOR_BTNFACE));
}

HBITMAP CreateIdlePicture(Scale scale) { return TelephonePicture(false, scale); }

HBITMAP CreateDialingPicture(Scale scale) { return TelephonePicture(true, scale); }

HBITMAP CreateBannerPicture(Scale scale) {
  const int width = 217, height = 17;
  Canvas canvas(width, height, GetSysColor(COLOR_BTNFACE), scale);
  HDC dc = canvas.dc();

  // A handset mark, then three runs of text, centred together.
  struct Run {
    const char* text;
    int weight;
    COLORREF colour;
  };
  const Run runs[] = {{"Tonvero", FW_BOLD, kNavy},
                      {"  touch-tone dialer  ", FW_NORMAL, kBannerText},
                      {"by Velmora", FW_BOLD, kTeal}};
  int widths[3];
  auto measure = [&](int pixels) {
    int total = 0;
    for (int i = 0; i < 3; ++i) {
      Selected font(dc, MakeFont(pixels, runs[i].weight, UiFace()));
      SIZE size;
      GetTextExtentPoint32A(dc, runs[i].text, static_cast<int>(std::strlen(runs[i].text)),
                            &size);
      widths[i] = size.cx;
      total += size.cx;
    }
    return total;
  };
  const int markWidth = 16, markGap = 3;
  int pixels = 11;  // smaller only where a wider face stands in
  while (pixels > 9 && measure(pixels) + markWidth + markGap > width) --pixels;
  int x = (width - measure(pixels) - markWidth - markGap) / 2;

  Sketch mark(markWidth, 15, scale);
  DrawCallMark(mark, {6, 9}, 11, kTeal, kTeal);
  mark.PaintOn(canvas, x, 1);
  x += markWidth + markGap;

  for (int i = 0; i < 3; ++i) {
    Selected font(dc, MakeFont(pixels, runs[i].weight, UiFace()));
    SetTextColor(dc, runs[i].colour);
    RECT r{x, 0, x + widths[i], height};
    DrawTextA(dc, runs[i].text, -1, &r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_NOCLIP);
    x += widths[i];
  }
  return canvas.Release();
}

HBITMAP CreateExitGlyph(Scale scale) {
  Sketch s(24, 24, scale);
  // A doorway with daylight beyond, in its frame.
  s.Box(2, 1.5, 15, 23, 1, kDoorFrame);
  s.Fill({{4, 3.5}, {13, 3.5}, {13, 23}, {4, 23}}, kDaylight);
  // The door swung open towards us on its left hinges.
  s.Fill({{4, 3.5}, {9.5, 1.5}, {9.5, 24}, {4, 23}}, kDoor);
  s.Fill({{4, 3.5}, {5, 3.2}, {5, 23.2}, {4, 23}}, kDoorEdge);
  s.Disc({8, 12.5}, 0.9, kGold);
  // The way out.
  s.Stroke({{10.5, 14.5}, {17, 14.5}}, 3.4, kWayOut);
  s.Fill({{15.5, 8.5}, {22.5, 14.5}, {15.5, 20.5}}, kWayOut);
  return s.Picture(GetSysColor(COLOR_BTNFACE));
}

HBITMAP CreateHelpPicture(Scale scale) {
  // Where the intended face is missing a wider one may stand in; the text
  // then gets smaller until the page holds it.
  for (int textPixels = 11;; --textPixels) {
    Canvas canvas(385, 301, kPage, scale);
    if (DrawHelpPage(canvas, TheHelpText(), textPixels) || textPixels == 9) return canvas.Release();
  }
}

HICON CreateWindowIcon(int size) {
  Sketch s(size, size);
  DrawTile(s, 0, 0, size);
  const double k = size / 100.0;
  if (size >= 24) {
    DrawCallMark(s, {38 * k, 60 * k}, 80 * k, kWhite, kAqua);
  } else {  // too small for waves: the handset alone, face on
    DrawHandset(s, {50 * k, 50 * k}, 88 * k, 0, kWhite);
  }
  return s.Icon();
}

Artwork::Artwork(Scale scale)
    : scale(scale),
      logo(CreateLogoPicture(scale)),
      idle(CreateIdlePicture(scale)),
      dialing(CreateDialingPicture(scale)),
      banner(CreateBannerPicture(scale)),
      exitGlyph(CreateExitGlyph(scale)),
      help(CreateHelpPicture(scale)),
      bigIcon(CreateWindowIcon(scale(32))),
      smallIcon(CreateWindowIcon(scale(16))) {}

Artwork::~Artwork() {
  for (HBITMAP bitmap : {logo, idle, dialing, banner, exitGlyph, help}) DeleteObject(bitmap);
  DestroyIcon(bigIcon);
  DestroyIcon(smallIcon);
}

}  // namespace tonvero
