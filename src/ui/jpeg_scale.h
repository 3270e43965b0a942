#pragma once
// Choice of libjpeg-turbo's reduced decoding: a JPEG larger than where it
// will be shown is decoded at M/8 of its size, the smallest M that still
// gives at least the pixels the place needs. Much faster, and far less
// memory per picture.

namespace corvina::ui {

inline constexpr int kJpegScaleDenominator = 8;

// M of M/8: the smallest in 1 ... 8 that keeps the decoded picture at least
// as large as wanted in both directions; 8 (full size) when no size is
// wanted (either side 0 or less) or the picture is smaller than wanted.
int JpegScaleEighths(int width, int height, int wantedWidth, int wantedHeight);

// A side of the decoded picture; libjpeg rounds up.
constexpr int ScaledJpegSide(int side, int eighths) {
    return (side * eighths + kJpegScaleDenominator - 1) / kJpegScaleDenominator;
}

}  // namespace corvina::ui
