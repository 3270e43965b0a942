#pragma once
// Free drawing helpers of the custom-drawn controls, on a plain HDC.

#include <windows.h>

#include "sys/colors.h"
#include "sys/edge_rect.h"
#include "sys/win32/color_ref.h"
#include "sys/win32/handles.h"

namespace corvina::win32 {

// ContrastColor with the system colours of this machine.
Color ContrastColor(Color color);

// A one-pixel frame: left and top sides in `upperLeft`, right and bottom
// in `lowerRight`. Polylines leave out their end points, so the top-right
// corner is lowerRight's and the bottom-left corner upperLeft's.
void DrawBevel(HDC dc, const EdgeRect& rect, Color upperLeft, Color lowerRight);

// A checkerboard of white and silver pixels with raster operation `rop`
// (PATCOPY paints it outright).
void FillDither(HDC dc, const EdgeRect& rect, DWORD rop);

// Stretches `bitmap` into `destination`, leaving the pixels of colour
// `transparent` unpainted.
void DrawBitmapTransparent(HDC dc, const EdgeRect& destination, HBITMAP bitmap, COLORREF transparent);

// The colour of one pixel of a bitmap; CLR_INVALID outside it.
COLORREF BitmapPixel(HBITMAP bitmap, int x, int y);

SIZE BitmapSize(HBITMAP bitmap);

// Turns a 24-bit bitmap (a DIB section, as pictures are held) about its
// centre, clockwise on the screen. False, and nothing changed, for other
// pixel formats. The bitmap must not be selected into a DC.
bool RotateBitmapInPlace(HBITMAP bitmap, double angle);

// The format of a DIB of that size and depth, rows stored top first unless
// asked otherwise.
BITMAPINFO DibFormat(int width, int height, int bitsPerPixel, bool topDown = true);
inline BITMAPINFO Dib24Format(int width, int height, bool topDown = true) {
    return DibFormat(width, height, 24, topDown);
}

// A top-down DIB section of that size and depth, its pixels left as the
// system gives them (zero) and their address in `bits`; null when there
// is no memory for it.
GdiObject<HBITMAP> NewDibSection(int width, int height, int bitsPerPixel, void*& bits);

}  // namespace corvina::win32
