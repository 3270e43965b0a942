#include "widgets/popup_support.h"

namespace corvina {

ScreenText::ScreenText(const ui::Font& font) : screen_(win32::ReleasedDC::Of(nullptr)), canvas_(screen_.Get()) {
    canvas_.SetFont(font);
}

Point CursorOnScreen() {
    POINT cursor{};
    GetCursorPos(&cursor);
    return {cursor.x, cursor.y};
}

EdgeRect WindowEdges(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.left, r.top, r.right, r.bottom};
}

}  // namespace corvina
