#pragma once
// Where a wallpaper's picture goes in a rectangle for each placement style.
// The painter draws these answers; nothing here touches a surface.

#include <functional>
#include <vector>

#include "sys/edge_rect.h"

namespace corvina {

enum class TPanelWallpaperStyle { wpLeftTop, wpRightTop, wpLeftBottom, wpRightBottom, wpCenter, wpStretch, wpTile };

struct WallpaperDraw {
    EdgeRect destination;
    bool stretched = false;  // else destination has the picture's own size
    friend bool operator==(const WallpaperDraw&, const WallpaperDraw&) = default;
};

// Visits the draws in painting order (tiles row by row); none for a picture
// without area. Most positions come from the rectangle's width and height,
// not its corner: owners pass rectangles that start at (0, 0), and the ones
// that do not rely on exactly these positions.
void ForEachWallpaperDraw(TPanelWallpaperStyle style, int pictureWidth, int pictureHeight, const EdgeRect& rect,
                          const std::function<void(const WallpaperDraw&)>& draw);

std::vector<WallpaperDraw> WallpaperDraws(TPanelWallpaperStyle style, int pictureWidth, int pictureHeight,
                                          const EdgeRect& rect);

}  // namespace corvina
