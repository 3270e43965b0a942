#pragma once
// Choice of libjpeg's reduced decoding: a JPEG far larger than where it
// will be shown is decoded at 1/2, 1/4 or 1/8 of its size, which is much
// faster and never gives fewer pixels than the place needs.

namespace corvina::ui {

// The largest of 8, 4 and 2 that keeps the decoded picture at least as
// large as wanted in both directions; 1 (full size) otherwise, and when no
// size is wanted (either side 0 or less).
int JpegScaleDenominator(int width, int height, int wantedWidth, int wantedHeight);

// A side of the decoded picture; libjpeg rounds up.
constexpr int ScaledJpegSide(int side, int denominator) { return (side + denominator - 1) / denominator; }

}  // namespace corvina::ui
