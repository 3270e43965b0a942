#include "sys/win32/screen_color.h"

#include <windows.h>

#include "sys/win32/handles.h"

namespace corvina {

int ScreenColorBits() {
    const win32::ReleasedDC screen = win32::ReleasedDC::Of(nullptr);
    return GetDeviceCaps(screen.Get(), BITSPIXEL);
}

}  // namespace corvina
