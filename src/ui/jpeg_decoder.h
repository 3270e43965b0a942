#pragma once
// JPEG pictures through libjpeg(-turbo), decoded into a Bitmap.

#include <string_view>

#include "sys/big5.h"
#include "ui/bitmap.h"

namespace corvina::ui {

// The picture in `bytes`, reduced by 1/2, 1/4 or 1/8 when it is at least
// that much larger than the wanted size (jpeg_scale.h); no wanted size
// gives it whole. Colour, grey and CMYK pictures are read. Throws
// PictureError naming `name` when the data are damaged.
Bitmap DecodeJpeg(std::string_view bytes, const Big5& name, int wantedWidth = 0, int wantedHeight = 0);

}  // namespace corvina::ui
