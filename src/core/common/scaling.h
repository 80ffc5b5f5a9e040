#pragma once
// The forms are laid out in pixels at 96 DPI; a window shows them at its
// own DPI. One rounding rule for every length, so that a length scaled up
// and back comes back whole.
namespace tonvero {

constexpr int kLayoutDpi = 96;

// `length` in pixels at `fromDpi`, in pixels at `toDpi`: rounded to the
// nearest pixel, halves away from zero (as MulDiv rounds).
int ScaleLength(int length, int toDpi, int fromDpi = kLayoutDpi);

}  // namespace tonvero
