#include "sys/win32/color_ref.h"

namespace corvina::win32 {

COLORREF ColorRefOf(Color color) {
    if (color == kColorNone) return CLR_INVALID;
    if (color == kColorDefault) return GetSysColor(COLOR_WINDOW);
    if (color.IsSystem()) return GetSysColor(color.SystemIndex());
    return color.value & 0x00FFFFFFu;
}

}  // namespace corvina::win32
