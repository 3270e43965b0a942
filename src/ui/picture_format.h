#pragma once
// Which kind of picture a file holds, told by its first bytes rather than
// its name: cafés rename pictures freely.

#include <string_view>

namespace corvina::ui {

enum class PictureFormat { Unknown, Bitmap, Jpeg, Icon, EnhMetafile, Metafile };

PictureFormat DetectPictureFormat(std::string_view bytes);

}  // namespace corvina::ui
