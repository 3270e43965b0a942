#include "widgets/ev_image_btn.h"

#include <windows.h>

#include "sys/win32/draw.h"
#include "ui/canvas.h"
#include "ui/color.h"
#include "ui/win_control.h"
#include "widgets/glyph_button_looks.h"

namespace corvina {

namespace {

constexpr Color kButtonShadow = Color::System(COLOR_BTNSHADOW);
constexpr Color kButtonHighlight = Color::System(COLOR_BTNHIGHLIGHT);

}  // namespace

TEVImageBtn::TEVImageBtn(ui::WinControl& parent)
    : ui::GraphicControl(parent), wallpaper_([this](TPanelWallpaper&) { Invalidate(); }) {
    SetBounds({0, 0, 30, 30});
}

void TEVImageBtn::SetTransparent(bool transparent) {
    if (transparent == transparent_) return;
    transparent_ = transparent;
    Invalidate();
}

void TEVImageBtn::SetFrameLine(bool frameLine) {
    if (frameLine == frameLine_) return;
    frameLine_ = frameLine;
    Invalidate();
}

void TEVImageBtn::SetWallpaper(const TPanelWallpaper& wallpaper) {
    if (&wallpaper != &wallpaper_) wallpaper_.Assign(wallpaper);
}

void TEVImageBtn::Paint(ui::Canvas& canvas) {
    if (!Visible()) return;
    const int w = Width();
    const int h = Height();
    if (!transparent_) {
        canvas.SetBrushColor(Color());
        canvas.FillRect({1, 1, w - 1, h - 1});
    }
    wallpaper_.Paint(canvas, {2, 2, w, h}, Color());
    if (frameLine_) {
        canvas.SetPen(ui::Pen{});
        canvas.SetBrush(ui::Brush{corvina::Color::Rgb(0, 0, 0), ui::BrushStyle::Clear});
        canvas.Rectangle({1, 1, w - 1, h - 1});
    }
    const EdgeRect all{0, 0, w, h};
    if (pressed_) {
        win32::DrawBevel(canvas.Handle(), all, kButtonShadow, kButtonHighlight);
    } else if (hovered_) {
        win32::DrawBevel(canvas.Handle(), all, kButtonHighlight, kButtonShadow);
    }
}

EdgeRect TEVImageBtn::OpaqueArea() const {
    // The filled inside; the edge is left to the hover and press rings.
    if (transparent_ || !Visible() || ui::IsNoColor(Color())) return {};
    return {1, 1, Width() - 1, Height() - 1};
}

void TEVImageBtn::RepaintFrame() {
    if (!Parent()) return;
    for (const EdgeRect& strip : EdgeStrips(EdgesOf(Bounds()))) {
        const RECT rect{strip.left, strip.top, strip.right, strip.bottom};
        Parent()->InvalidateClient(&rect);
    }
}

void TEVImageBtn::MouseEntered(ui::Control& source) {
    GraphicControl::MouseEntered(source);
    if (&source != this || !Enabled() || !Visible()) return;
    hovered_ = true;
    RepaintFrame();
}

void TEVImageBtn::MouseLeft(ui::Control& source) {
    if (&source == this && hovered_) {
        hovered_ = false;
        RepaintFrame();
    }
    GraphicControl::MouseLeft(source);
}

void TEVImageBtn::MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
    GraphicControl::MouseDown(button, shift, x, y);
    if (button != ui::MouseButton::Left) return;
    pressed_ = true;
    RepaintFrame();
}

void TEVImageBtn::MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
    GraphicControl::MouseUp(button, shift, x, y);
    if (button != ui::MouseButton::Left || !pressed_) return;
    pressed_ = false;
    hovered_ = x >= 0 && y >= 0 && x < Width() && y < Height() && Enabled();
    RepaintFrame();
}

}  // namespace corvina
