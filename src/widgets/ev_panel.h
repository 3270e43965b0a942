#pragma once
// A panel with a wallpaper under its bevels and caption, optionally showing
// its parent's look through its ground, and telling its handlers of the
// pointer entering or leaving it or any control on it.

#include "ui/panel.h"
#include "widgets/panel_wallpaper.h"

namespace corvina {

class TEvPanel : public ui::Panel {
public:
    explicit TEvPanel(ui::WinControl& parent, const Big5& caption = {});

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);

    const TPanelWallpaper& Wallpaper() const { return wallpaper_; }
    TPanelWallpaper& Wallpaper() { return wallpaper_; }
    void SetWallpaper(const TPanelWallpaper& wallpaper);

    // Kept for the form descriptions; nothing reads it.
    void SetLocked(bool locked) { locked_ = locked; }

    // OnMouseEnter and OnMouseLeave fire for the panel's own pointer
    // notifications and for those its children pass on.
    void MouseEntered(ui::Control& source) override;
    void MouseLeft(ui::Control& source) override;

protected:
    void Paint(ui::Canvas& canvas) override;

private:
    void PaintParent(ui::Canvas& canvas);

    TPanelWallpaper wallpaper_;
    bool transparent_ = false;
    bool locked_ = false;
};

}  // namespace corvina
