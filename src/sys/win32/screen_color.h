#pragma once
// The screen's colour depth and its size in the display's own pixels.

namespace corvina {

// Bits per pixel of the screen's device context (8 for 256 colours).
int ScreenColorBits();

struct ScreenPixels {
    int width = 0;
    int height = 0;
};
// The primary display's mode (EnumDisplaySettings), in physical pixels,
// which the display modes are in: GetSystemMetrics answers a program that
// is not aware of the display's scale (125 %, 150 %) in scaled pixels. The
// system metrics only when the mode cannot be read.
ScreenPixels ScreenPixelSize();

}  // namespace corvina
