#include "menu/screen_settings.h"

#include <windows.h>

#include "sys/shell_rules.h"
#include "sys/win32/display_mode.h"
#include "sys/win32/program_path.h"
#include "sys/win32/screen_color.h"
#include "ui/message_box.h"

namespace corvina {

ScreenModeInfo ScreenMode() {
    const ScreenPixels screen = ScreenPixelSize();
    return ClassifyScreen(screen.width, screen.height);
}

bool ChangeScreenMode(Machine& machine, int width, int height, int bitsPerPixel, bool setBits) {
    const ScreenModeOutcome outcome = ChangeDisplayMode(machine, width, height, bitsPerPixel, setBits);
    // Told before the outcome: the size may still have changed.
    if (outcome.depthRefused) ui::ShowInformation(ColorModeUnavailableMessage());
    switch (outcome.change) {
        case ScreenModeChange::SettingsUnread:
            return false;
        case ScreenModeChange::Refused:
            // Nothing changed: no restart would help, and the customer asked.
            ui::ShowError(ScreenModeRefusedMessage());
            return false;
        case ScreenModeChange::RestartNeeded:
            ui::ShowInformation(RestartNeededMessage());
            return true;
        case ScreenModeChange::Done:
            break;
    }
    return true;
}

void PreselectScreenChoices(ui::RadioGroup& Rg_Color, ui::RadioGroup& RG_Area) {
    Rg_Color.SetItemIndex(PreselectedColor(ScreenColorBits(), Rg_Color.ItemIndex()));
    RG_Area.SetItemIndex(PreselectedArea(ScreenMode(), RG_Area.ItemIndex()));
}

void B_SetupClick(Machine& machine, int colorIndex, int areaIndex, const std::function<void()>& formShowAgain) {
    const std::optional<ScreenModeRequest> request = ScreenModeRequestFor(colorIndex, areaIndex);
    if (!request) {
        ui::ShowWarning(NoScreenAreaMessage());
        return;
    }
    if (ChangeScreenMode(machine, request->width, request->height, request->bitsPerPixel, request->setBits) &&
        formShowAgain) {
        formShowAgain();
    }
}

}  // namespace corvina
