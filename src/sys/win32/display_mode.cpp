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

namespace {

bool Accepted(LONG answer) { return answer == DISP_CHANGE_SUCCESSFUL || answer == DISP_CHANGE_RESTART; }

}  // namespace

ScreenModeOutcome ChangeDisplayMode(Machine& machine, int width, int height, int bitsPerPixel, bool setBits) {
    ScreenModeOutcome outcome;
    const std::optional<DEVMODEW> current = machine.CurrentDisplayMode();
    if (!current) return outcome;
    DEVMODEW mode = RequestedDisplayMode(*current, width, height, bitsPerPixel, setBits);
    LONG tried = machine.ApplyDisplayMode(mode, CDS_TEST);
    if (!Accepted(tried) && setBits && bitsPerPixel < 32) {
        outcome.depthRefused = true;
        mode = RequestedDisplayMode(*current, width, height, 0, false);
        tried = machine.ApplyDisplayMode(mode, CDS_TEST);
    }
    outcome.change = ScreenModeChange::Refused;
    if (!Accepted(tried)) return outcome;
    switch (machine.ApplyDisplayMode(mode, CDS_UPDATEREGISTRY)) {
        case DISP_CHANGE_SUCCESSFUL:
            outcome.change = ScreenModeChange::Done;
            break;
        case DISP_CHANGE_RESTART:
            outcome.change = ScreenModeChange::RestartNeeded;
            break;
        default:
            break;
    }
    return outcome;
}

}  // namespace corvina
