#include "ui/jpeg_scale.h"

namespace corvina::ui {

int JpegScaleEighths(int width, int height, int wantedWidth, int wantedHeight) {
    if (wantedWidth <= 0 || wantedHeight <= 0) return kJpegScaleDenominator;
    for (int eighths = 1; eighths < kJpegScaleDenominator; ++eighths) {
        if (ScaledJpegSide(width, eighths) >= wantedWidth && ScaledJpegSide(height, eighths) >= wantedHeight) {
            return eighths;
        }
    }
    return kJpegScaleDenominator;
}

}  // namespace corvina::ui
