#pragma once
// A check box or radio button with its caption, painted into a cell of a
// custom-drawn control (the check-box columns of the grid).

#include <windows.h>

#include <string_view>

#include "sys/big5.h"
#include "sys/check_mark_layout.h"
#include "sys/colors.h"

namespace corvina::win32 {

struct CheckMarkCell {
    EdgeRect cell;
    bool round = false;  // radio button, else check box
    bool focusFrame = false;
    bool boxDisabled = false;
    bool checked = false;
    bool captionEnabled = true;
    CheckPlacement placement = CheckPlacement::Left;
    bool fillCell = false;
    bool sunken = true;  // else flat
    int glyphSize = 0;
    int boxSize = 0;
    int flatPenWidth = 1;
    Color dotColor{0x000000};
    Color flatPenColor{0x000000};
    Color fillColor{0xFFFFFF};
    std::string_view caption;  // Big5
    HBITMAP normalGlyph = nullptr;
    HBITMAP checkGlyph = nullptr;
    bool normalGlyphWhenDisabled = false;  // show normalGlyph under a disabled caption
};

struct CheckMarkCellResult {
    EdgeRect caption;  // the drawn caption grown by a pixel; empty for centred cells
    EdgeRect box;
    EdgeRect glyph;
};

// The caption is drawn in the DC's current font and text colour; the
// glyph's pixel (1, 1) gives its transparent colour.
CheckMarkCellResult DrawCheckMarkCell(HDC dc, const CheckMarkCell& cell);

}  // namespace corvina::win32
