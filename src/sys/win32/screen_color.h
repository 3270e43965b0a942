#pragma once
// The screen's colour depth.

namespace corvina {

// Bits per pixel of the screen's device context (8 for 256 colours).
int ScreenColorBits();

}  // namespace corvina
