#pragma once
// A built-in picture handed to a bitmap that may be shown without it.

#include <windows.h>

#include "sys/big5.h"
#include "ui/bitmap.h"

namespace corvina::ui {

// `LoadBitmapResource`: `bitmap` takes the resource of that name from the
// program (or `module`); a missing resource leaves it empty.
void LoadBitmapResource(Bitmap& bitmap, const Big5& name, HMODULE module = nullptr);

}  // namespace corvina::ui
