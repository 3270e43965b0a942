#pragma once
// Colours as the framework hands them to GDI.

#include <windows.h>

#include "sys/colors.h"
#include "sys/win32/color_ref.h"

namespace corvina::ui {

inline COLORREF ToColorRef(Color color) { return win32::ColorRefOf(color); }

constexpr bool IsNoColor(Color color) { return color == kColorNone; }

using win32::FromColorRef;

}  // namespace corvina::ui
