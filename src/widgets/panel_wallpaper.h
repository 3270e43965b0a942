#pragma once
// A picture with a placement style that paints itself into a rectangle of
// any canvas. Owned by wallpapered controls, which hear of every change made
// through it and repaint.

#include <functional>
#include <utility>

#include "sys/colors.h"
#include "sys/edge_rect.h"
#include "ui/picture.h"
#include "widgets/wallpaper_layout.h"

namespace corvina {

namespace ui {
class Canvas;
}

class TPanelWallpaper {
public:
    using ChangeEvent = std::function<void(TPanelWallpaper& sender)>;

    TPanelWallpaper() = default;
    explicit TPanelWallpaper(ChangeEvent onChange) : OnChange(std::move(onChange)) {}
    // A copy takes the picture and the style; the owner's notification
    // stays with the owner.
    TPanelWallpaper(const TPanelWallpaper& other) : picture_(other.picture_), style_(other.style_) {}
    TPanelWallpaper& operator=(const TPanelWallpaper& other) {
        Assign(other);
        return *this;
    }

    // Picture and style from `source`, then one notification.
    void Assign(const TPanelWallpaper& source);

    const ui::Picture& Picture() const { return picture_; }
    // For changes in place (loading a file, say): these notify nobody.
    ui::Picture& Picture() { return picture_; }
    void SetPicture(const ui::Picture& picture);

    TPanelWallpaperStyle Style() const { return style_; }
    void SetStyle(TPanelWallpaperStyle style);

    // Nothing for a picture without area. Positions follow wallpaper_layout.h.
    void Paint(ui::Canvas& canvas, const EdgeRect& rect, Color color) const;

    // Called after each change made through the wallpaper; may be empty.
    ChangeEvent OnChange;

private:
    void Changed();

    ui::Picture picture_;
    TPanelWallpaperStyle style_ = TPanelWallpaperStyle::wpTile;
};

}  // namespace corvina
