#pragma once
// JPEG pictures through libjpeg(-turbo), decoded into a Bitmap.

#include <cstdint>
#include <string_view>
#include <vector>

#include "sys/big5.h"
#include "sys/rotate_bitmap.h"
#include "ui/bitmap.h"

namespace corvina::ui {

// The picture in `bytes`, reduced in eighths as far as it still covers the
// wanted size (jpeg_scale.h); no wanted size
// gives it whole. Colour, grey and CMYK pictures are read. Throws
// PictureError naming `name` when the data are damaged.
Bitmap DecodeJpeg(std::string_view bytes, const Big5& name, int wantedWidth = 0, int wantedHeight = 0);

// The same into `pixels`, which grows as needed and which the caller keeps
// from picture to picture: fresh memory costs more than decoding a small
// picture. The view is into `pixels`.
PixelView24 DecodeJpegInto(std::string_view bytes, const Big5& name, int wantedWidth, int wantedHeight,
                           std::vector<std::uint8_t>& pixels);

}  // namespace corvina::ui
