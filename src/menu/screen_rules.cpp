#include "menu/screen_rules.h"

#include "sys/text.h"

namespace corvina {

ScreenModeInfo ClassifyScreen(int width, int height) {
    int mode = 3;
    if (width == 640 && height == 480) mode = 0;
    if (width == 800 && height == 600) mode = 1;
    if (width == 1024 && height == 768) mode = 2;
    return {mode, width, height};
}

int PreselectedColor(int bitsPerPixel, int designIndex) {
    if (bitsPerPixel == 8) return kColor256;
    if (bitsPerPixel > 8) return kColorFull;
    return designIndex;
}

int PreselectedArea(const ScreenModeInfo& screen, int designIndex) {
    if (screen.mode == 1) return kArea800;
    if (screen.mode == 2) return kArea1024;
    return designIndex;
}

std::optional<ScreenModeRequest> ScreenModeRequestFor(int colorIndex, int areaIndex) {
    int bits = 0;
    if (colorIndex == kColor256) bits = 8;
    if (colorIndex == kColorFull) bits = 16;
    if (areaIndex == kArea800) return ScreenModeRequest{800, 600, bits, bits > 0};
    if (areaIndex == kArea1024) return ScreenModeRequest{1024, 768, bits, bits > 0};
    return std::nullopt;
}

Big5 NoScreenAreaMessage() { return T(u8"請設置螢幕區域！"); }

DesktopLockDown LockDownFor(const MenuSettings& settings) {
    DesktopLockDown lockDown;
    lockDown.desktopTab = !settings.HideDeskTop;
    lockDown.hideTaskbar = settings.HideTaskBar;
    lockDown.coverWholeScreen = settings.HideTaskBar;
    return lockDown;
}

}  // namespace corvina
