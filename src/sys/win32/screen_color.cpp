#include "sys/win32/screen_color.h"

#include <windows.h>

#include "sys/win32/handles.h"

namespace corvina {

int ScreenColorBits() {
    const win32::ReleasedDC screen = win32::ReleasedDC::Of(nullptr);
    return GetDeviceCaps(screen.Get(), BITSPIXEL);
}

ScreenPixels ScreenPixelSize() {
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    if (EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode) && mode.dmPelsWidth > 0 && mode.dmPelsHeight > 0) {
        return {static_cast<int>(mode.dmPelsWidth), static_cast<int>(mode.dmPelsHeight)};
    }
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

}  // namespace corvina
