#include "widgets/ev_panel.h"

#include "ui/canvas.h"
#include "ui/guard.h"

namespace corvina {

TEvPanel::TEvPanel(ui::WinControl& parent, const Big5& caption)
    : Panel(parent, caption), wallpaper_([this](TPanelWallpaper&) { Invalidate(); }) {}

void TEvPanel::SetTransparent(bool transparent) {
    if (transparent == transparent_) return;
    transparent_ = transparent;
    Invalidate();
}

void TEvPanel::SetWallpaper(const TPanelWallpaper& wallpaper) {
    if (&wallpaper != &wallpaper_) wallpaper_.Assign(wallpaper);
}

void TEvPanel::MouseEntered(ui::Control& source) {
    Panel::MouseEntered(source);
    // The base fires the event only for the panel's own notification.
    if (&source != this) ui::Fire(OnMouseEnter, *this);
}

void TEvPanel::MouseLeft(ui::Control& source) {
    Panel::MouseLeft(source);
    if (&source != this) ui::Fire(OnMouseLeave, *this);
}

void TEvPanel::Paint(ui::Canvas& canvas) {
    const EdgeRect client{0, 0, ClientWidth(), ClientHeight()};
    canvas.SetBrushColor(Color());
    canvas.FillRect(client);
    if (transparent_) PaintParent(canvas);
    wallpaper_.Paint(canvas, client, Color());
    PaintFrame(canvas);
}

// The parent paints itself in its own coordinates, shifted so that the part
// under the panel lands on the panel's surface.
void TEvPanel::PaintParent(ui::Canvas& canvas) {
    ui::WinControl* parent = Parent();
    if (!parent || !parent->Handle()) return;
    auto state = canvas.SaveState();
    state.MoveOrigin(-Left(), -Top());
    state.IntersectClip({0, 0, parent->ClientWidth(), parent->ClientHeight()});
    const auto dc = reinterpret_cast<WPARAM>(canvas.Handle());
    SendMessageW(parent->Handle(), WM_ERASEBKGND, dc, 0);
    SendMessageW(parent->Handle(), WM_PRINTCLIENT, dc, PRF_CLIENT);
}

}  // namespace corvina
