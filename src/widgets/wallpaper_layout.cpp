#include "widgets/wallpaper_layout.h"

namespace corvina {

void ForEachWallpaperDraw(TPanelWallpaperStyle style, int pw, int ph, const EdgeRect& rect,
                          const std::function<void(const WallpaperDraw&)>& draw) {
    if (pw <= 0 || ph <= 0) return;
    const int w = rect.Width();
    const int h = rect.Height();
    auto at = [&](int x, int y) { draw({{x, y, x + pw, y + ph}, false}); };

    switch (style) {
        case TPanelWallpaperStyle::wpLeftTop:
            at(rect.left, rect.top);
            break;
        case TPanelWallpaperStyle::wpRightTop:
            at(w - pw, rect.top);
            break;
        case TPanelWallpaperStyle::wpLeftBottom:
            at(0, h - ph);
            break;
        case TPanelWallpaperStyle::wpRightBottom:
            at(w - pw, h - ph);
            break;
        case TPanelWallpaperStyle::wpCenter:
            at((w - pw) / 2, (h - ph) / 2);
            break;
        case TPanelWallpaperStyle::wpStretch:
            draw({{rect.left, rect.top, w, h}, true});
            break;
        case TPanelWallpaperStyle::wpTile:
            // The scroll box passes a negative corner, so counting starts
            // off-screen; tiles there are drawn and clipped away.
            for (int r = rect.top; r <= h / ph; ++r) {
                for (int k = rect.left; k <= w / pw; ++k) at(k * pw, r * ph);
            }
            break;
    }
}

std::vector<WallpaperDraw> WallpaperDraws(TPanelWallpaperStyle style, int pictureWidth, int pictureHeight,
                                          const EdgeRect& rect) {
    std::vector<WallpaperDraw> draws;
    ForEachWallpaperDraw(style, pictureWidth, pictureHeight, rect, [&](const WallpaperDraw& d) { draws.push_back(d); });
    return draws;
}

}  // namespace corvina
