#include "ui/jpeg_scale.h"

#include <initializer_list>

namespace corvina::ui {

int JpegScaleDenominator(int width, int height, int wantedWidth, int wantedHeight) {
    if (wantedWidth <= 0 || wantedHeight <= 0) return 1;
    for (int denominator : {8, 4, 2}) {
        if (ScaledJpegSide(width, denominator) >= wantedWidth && ScaledJpegSide(height, denominator) >= wantedHeight) {
            return denominator;
        }
    }
    return 1;
}

}  // namespace corvina::ui
