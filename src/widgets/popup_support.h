#pragma once
// What the popup list and the text box share: measuring their texts on
// the screen, the cursor and window rectangles of their watch, and the
// module reference that marks one of them open.

#include <windows.h>

#include <string_view>

#include "sys/dialog_sizes.h"
#include "sys/edge_rect.h"
#include "sys/geometry.h"
#include "sys/win32/handles.h"
#include "ui/canvas.h"
#include "ui/font.h"

namespace corvina {

// Text measured in a font as the screen draws it.
class ScreenText {
public:
    explicit ScreenText(const ui::Font& font);
    int Width(std::string_view text) const { return canvas_.TextWidth(text); }
    int Height(std::string_view text) const { return canvas_.TextHeight(text); }
    TextWidthOf WidthOf() const {
        return [this](std::string_view text) { return Width(text); };
    }

private:
    win32::ReleasedDC screen_;
    mutable ui::Canvas canvas_;
};

Point CursorOnScreen();
// The window's rectangle on the screen.
EdgeRect WindowEdges(HWND window);

// Points `reference` at the open box for as long as this lives.
template <typename Box>
class OpenReference {
public:
    OpenReference(Box*& reference, Box* box) : reference_(reference) { reference_ = box; }
    ~OpenReference() { reference_ = nullptr; }
    OpenReference(const OpenReference&) = delete;
    OpenReference& operator=(const OpenReference&) = delete;

private:
    Box*& reference_;
};

}  // namespace corvina
