#include "ui/picture_error.h"

#include "sys/text.h"

namespace corvina::ui {

PictureError::PictureError(const Big5& file, const Big5& reason)
    : std::runtime_error(T(u8"無法載入圖片「") + file + T(u8"」：") + reason), file_(file) {}

}  // namespace corvina::ui
