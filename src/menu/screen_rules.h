#pragma once
// The settings strip's screen rules: the class of a screen size, the
// preselection of the colour and area choices, what "確認設定" asks of the
// display, and which lock-down the menu settings call for.

#include <optional>

#include "settings/settings.h"
#include "sys/big5.h"

namespace corvina {

// 0 for 640 × 480, 1 for 800 × 600, 2 for 1024 × 768, 3 for any other size.
struct ScreenModeInfo {
    int mode = 3;
    int width = 0;
    int height = 0;
    friend bool operator==(const ScreenModeInfo&, const ScreenModeInfo&) = default;
};
ScreenModeInfo ClassifyScreen(int width, int height);

// The radio items and their design selections.
inline constexpr int kColor256 = 0;   // "256 Color"
inline constexpr int kColorFull = 1;  // "全彩"
inline constexpr int kArea800 = 0;    // "800 * 600"
inline constexpr int kArea1024 = 1;   // "1024 * 768"

// The selection the strip starts with, given the design selection.
int PreselectedColor(int bitsPerPixel, int designIndex);
int PreselectedArea(const ScreenModeInfo& screen, int designIndex);

struct ScreenModeRequest {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;  // 0: the depth stays
    bool setBits = false;
    friend bool operator==(const ScreenModeRequest&, const ScreenModeRequest&) = default;
};
// Nothing when no area is chosen; any other area index than the two
// items counts as none as well.
std::optional<ScreenModeRequest> ScreenModeRequestFor(int colorIndex, int areaIndex);

Big5 NoScreenAreaMessage();

// What the two lock-down settings mean for the running menu, together.
struct DesktopLockDown {
    bool desktopTab = true;         // the "桌　面" tab, taking the desktop window on its first visit
    bool hideTaskbar = false;       // hidden at start, again after the ordering window
    bool coverWholeScreen = false;  // full-screen windows take the screen, not the work area
    bool showTaskbarAtEnd = true;   // whatever the settings say
};
DesktopLockDown LockDownFor(const MenuSettings& settings);

}  // namespace corvina
