#pragma once
// The GDI font of a Font value.

#include <windows.h>

#include "sys/win32/handles.h"
#include "ui/font.h"

namespace corvina::ui {

// The caller owns the font: a canvas keeps one while it draws, a windowed
// standard control for as long as it shows the font.
win32::GdiObject<HFONT> CreateGdiFont(const Font& font);

// The character height in pixels of a font size in points on this screen.
int FontHeightOfPoints(int points);

}  // namespace corvina::ui
