#include "sys/win32/display_mode.h"

#include <optional>

namespace corvina {

DEVMODEW RequestedDisplayMode(const DEVMODEW& current, int width, int height, int bitsPerPixel, bool setBits) {
    DEVMODEW mode = current;
    mode.dmSize = sizeof mode;
    mode.dmPelsWidth = static_cast<DWORD>(width);
    mode.dmPelsHeight = static_cast<DWORD>(height);
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    if (setBits) {
        mode.dmBitsPerPel = static_cast<DWORD>(bitsPerPixel);
        mode.dmFields |= DM_BITSPERPEL;
    }
    return mode;
}

ScreenModeChange ChangeDisplayMode(Machine& machine, int width, int height, int bitsPerPixel, bool setBits) {
    const std::optional<DEVMODEW> current = machine.CurrentDisplayMode();
    if (!current) return ScreenModeChange::SettingsUnread;
    const DEVMODEW mode = RequestedDisplayMode(*current, width, height, bitsPerPixel, setBits);
    const LONG tried = machine.ApplyDisplayMode(mode, CDS_TEST);
    if (tried != DISP_CHANGE_SUCCESSFUL && tried != DISP_CHANGE_RESTART) return ScreenModeChange::Refused;
    switch (machine.ApplyDisplayMode(mode, CDS_UPDATEREGISTRY)) {
        case DISP_CHANGE_SUCCESSFUL:
            return ScreenModeChange::Done;
        case DISP_CHANGE_RESTART:
            return ScreenModeChange::RestartNeeded;
        default:
            return ScreenModeChange::Refused;
    }
}

}  // namespace corvina
