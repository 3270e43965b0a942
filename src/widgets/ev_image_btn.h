#pragma once
// A clickable picture: a wallpaper inside a thin black frame line, with a
// raised bevel while the pointer is over it and a sunken one while pressed.
// Every menu entry's big picture is one.

#include "ui/graphic_control.h"
#include "widgets/panel_wallpaper.h"

namespace corvina {

class TEVImageBtn : public ui::GraphicControl {
public:
    explicit TEVImageBtn(ui::WinControl& parent);

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    void SetFrameLine(bool frameLine);

    const TPanelWallpaper& Wallpaper() const { return wallpaper_; }
    TPanelWallpaper& Wallpaper() { return wallpaper_; }
    void SetWallpaper(const TPanelWallpaper& wallpaper);

    bool Hovered() const { return hovered_; }
    bool Pressed() const { return pressed_; }

    void Paint(ui::Canvas& canvas) override;
    EdgeRect OpaqueArea() const override;
    void MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) override;
    void MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y) override;
    void MouseEntered(ui::Control& source) override;
    void MouseLeft(ui::Control& source) override;

private:
    // The bevel lives on the outermost ring only: repainting that ring draws
    // the new bevel and wipes the old one without touching the picture.
    void RepaintFrame();

    TPanelWallpaper wallpaper_;
    bool transparent_ = false;
    bool frameLine_ = true;
    bool hovered_ = false;
    bool pressed_ = false;
};

}  // namespace corvina
