#pragma once
// Colours as GDI takes them.

#include <windows.h>

#include "sys/colors.h"

namespace corvina::win32 {

// System colours take this machine's value; clDefault is the window ground
// colour; clNone, which means "paint nothing", gives CLR_INVALID, which no
// GDI colour call should see: callers test for it first.
COLORREF ColorRefOf(Color color);

// The Color of a pixel read back from GDI.
constexpr Color FromColorRef(COLORREF value) { return Color{value & 0x00FFFFFFu}; }

}  // namespace corvina::win32
