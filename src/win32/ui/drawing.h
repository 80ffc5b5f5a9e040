#pragma once
// The drawing kit of the program's pictures: plain GDI into a 32-bit DIB at
// the DPI a picture is shown at. Coordinates are those of the picture at
// 96 DPI, scaled as they are drawn, so a picture is as sharp at 200 % as at
// 100 %. Shapes are drawn at four times the picture's size and averaged
// down, which gives them smooth edges; small text is drawn directly at its
// size so that it stays crisp. The motifs of the maker's mark, which
// several pictures share, are drawn here too; the colours are in look.h.
#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "win32/ui/scale.h"

namespace tonvero {

COLORREF Mix(COLORREF a, COLORREF b, double t);

// A top-down 32-bit DIB section selected into a memory DC, `width` x
// `height` at 96 DPI and as many pixels as that is at `scale`. GDI draws on
// it in 96-DPI coordinates, which a world transform scales.
class Canvas {
 public:
  Canvas(int width, int height, COLORREF background, Scale scale = {});
  ~Canvas();
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
  HBITMAP Release(bool keepAlpha = false);

 private:
  int width_, height_, pixelWidth_, pixelHeight_;
  Scale scale_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
  uint32_t* pixels_;
  uint32_t spare_ = 0;
};

// A GDI object deleted at the end of its scope.
class GdiObject {
 public:
  explicit GdiObject(HGDIOBJ object) : object_(object) {}
  ~GdiObject() { DeleteObject(object_); }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  HGDIOBJ get() const { return object_; }

 private:
  HGDIOBJ object_;
};

// What a DC had selected, selected back at the end of a scope in which
// other objects are selected into it.
class KeptSelection {
 public:
  KeptSelection(HDC dc, HGDIOBJ first) : dc_(dc), old_(SelectObject(dc, first)) {}
  ~KeptSelection() { SelectObject(dc_, old_); }
  KeptSelection(const KeptSelection&) = delete;
  KeptSelection& operator=(const KeptSelection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// A GDI object made for one scope and selected into a DC during it.
class Selected {
 public:
  Selected(HDC dc, HGDIOBJ object) : object_(object), selection_(dc, object) {}

 private:
  GdiObject object_;  // deleted after the selection is undone
  KeptSelection selection_;
};

HFONT MakeFont(int pixels, int weight, const char* face, DWORD quality = NONANTIALIASED_QUALITY);
// The faces the pictures are laid out for, or the nearest the system has,
// so that text keeps its proportions where a face is missing.
const char* UiFace();
const char* TitleFace();
const char* FixedFace();

struct Pt {
  double x, y;
};
using Shape = std::vector<Pt>;

// Points along an ellipse; angles in degrees, counter-clockwise from east.
Shape ArcPoints(Pt centre, double rx, double ry, double from, double to);
void Append(Shape& shape, const Shape& more);
// Turns a shape by `degrees` (counter-clockwise) around `pivot`.
Shape Turned(const Shape& shape, Pt pivot, double degrees);

// Drawing surface kScale times the picture's size at `scale`. Coordinates
// are given in picture pixels at 96 DPI; the picture's pixel (x, y) covers
// [x, x+1) x [y, y+1) there. What is not drawn on stays "uncovered" and
// lets the background through.
class Sketch {
 public:
  static constexpr int kScale = 4;

  Sketch(int width, int height, Scale scale = {});

  void Fill(const Shape& shape, COLORREF colour);
  void Disc(Pt centre, double r, COLORREF colour);
  void Box(double left, double top, double right, double bottom, double radius, COLORREF colour);
  // A box shaded from `top` to `bottom` colour.
  void ShadedBox(double left, double top, double right, double bottom, double radius, COLORREF topColour,
                 COLORREF bottomColour);
  // A line through `shape` with round ends and joins.
  void Stroke(const Shape& shape, double width, COLORREF colour);
  // One line of text centred in the box, `spacing` pixels between letters.
  void Text(double left, double top, double right, double bottom, const char* text, int pixels, int weight,
            COLORREF colour, const char* face, int spacing);

  // Averages the sketch down onto `canvas` at (x, y) of its 96-DPI
  // coordinates, over what is there; both are at one scale.
  void PaintOn(Canvas& canvas, int x, int y);
  HBITMAP Picture(COLORREF background);
  // An icon whose alpha follows the drawn coverage; its mask, for displays
  // that ignore alpha, leaves out what was not drawn at all.
  HICON Icon();

 private:
  int Px(double v) const;
  POINT Scaled(Pt p) const { return {Px(p.x), Px(p.y)}; }
  // Calls f(x, y, rgb sums of the drawn samples, count of drawn samples)
  // for each picture pixel.
  template <class F>
  void Reduce(F f);

  int width_, height_;  // the picture's pixels
  double zoom_;          // sketch pixels per 96-DPI picture pixel
  Canvas big_;
};

// The motifs of the maker's mark.
// A telephone handset seen from the front, lying with its cups down:
// `length` from cup to cup, centred on `centre`, turned by `degrees`.
void DrawHandset(Sketch& s, Pt centre, double length, double degrees, COLORREF colour);
// Sound waves: arcs of the given radii around `centre`, from one angle to another.
void DrawWaves(Sketch& s, Pt centre, std::initializer_list<double> radii, double from, double to, double width,
               COLORREF colour);
// A handset tilted as if lifted, with two waves around its earpiece.
void DrawCallMark(Sketch& s, Pt centre, double length, COLORREF handset, COLORREF waves);
// The ground of the maker's emblem: a shaded rounded tile.
void DrawTile(Sketch& s, double left, double top, double size);

}  // namespace tonvero
