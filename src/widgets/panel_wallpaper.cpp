#include "widgets/panel_wallpaper.h"

#include "ui/canvas.h"

namespace corvina {

void TPanelWallpaper::Assign(const TPanelWallpaper& source) {
    if (&source != this) {
        picture_ = source.picture_;
        style_ = source.style_;
    }
    Changed();
}

void TPanelWallpaper::SetPicture(const ui::Picture& picture) {
    if (&picture != &picture_) picture_ = picture;
    Changed();
}

void TPanelWallpaper::SetStyle(TPanelWallpaperStyle style) {
    if (style == style_) return;
    style_ = style;
    Changed();
}

void TPanelWallpaper::Paint(ui::Canvas& canvas, const EdgeRect& rect, Color color) const {
    const int width = picture_.Width();
    const int height = picture_.Height();
    if (width <= 0 || height <= 0) return;
    canvas.SetBrushColor(color);
    ForEachWallpaperDraw(style_, width, height, rect, [&](const WallpaperDraw& draw) {
        if (draw.stretched) {
            canvas.StretchDraw(draw.destination, picture_);
        } else {
            canvas.Draw({draw.destination.left, draw.destination.top}, picture_);
        }
    });
}

void TPanelWallpaper::Changed() {
    if (OnChange) OnChange(*this);
}

}  // namespace corvina
