#include "ui/bitmap_resource.h"

#include "ui/picture_error.h"

namespace corvina::ui {

void LoadBitmapResource(Bitmap& bitmap, const Big5& name, HMODULE module) {
    try {
        bitmap = Bitmap::LoadFromResource(name, module);
    } catch (const PictureError&) {
        bitmap = Bitmap();
    }
}

}  // namespace corvina::ui
