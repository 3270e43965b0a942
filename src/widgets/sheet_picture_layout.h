#pragma once
// Where a sheet's background picture is drawn for each picture style and
// alignment. The sheet draws these answers.

#include <vector>

#include "sys/edge_rect.h"

namespace corvina {

enum class TPictureStyle { psOriginal, psStretch, psFillup };
enum class TPicAlignment { cLeft_Top, cLeft_Bottom, cRight_Top, cRight_Bottom, cCenter };

struct SheetPictureDraw {
    EdgeRect destination;
    bool stretched = false;  // else the destination has the picture's own size
    friend bool operator==(const SheetPictureDraw&, const SheetPictureDraw&) = default;
};

// None for a picture without area. Tiles go row by row from the top-left.
std::vector<SheetPictureDraw> SheetPictureDraws(TPictureStyle style, TPicAlignment align, int pictureWidth,
                                                int pictureHeight, int clientWidth, int clientHeight);

}  // namespace corvina
