#pragma once
// The settings strip's screen choices: the current screen's class, the
// preselection of the colour and area groups, and "確認設定" changing the
// display through the machine seam.

#include <functional>

#include "menu/screen_rules.h"
#include "sys/win32/machine.h"
#include "ui/radio_group.h"

namespace corvina {

// The class of the screen's size now, with the size.
ScreenModeInfo ScreenMode();

// Changes the primary display for now and later log-ons; tells the user
// when a restart is needed. False when its settings could not be read and
// when the display refused the mode (told to the user; nothing changed).
bool ChangeScreenMode(Machine& machine, int width, int height, int bitsPerPixel, bool setBits);

// Selects the groups' items after the screen's depth and size; the design
// selection stays where neither says otherwise.
void PreselectScreenChoices(ui::RadioGroup& Rg_Color, ui::RadioGroup& RG_Area);

// The click of "確認設定" with the two groups' item indices (-1: none).
// `formShowAgain` runs after a change, so the window takes the new size.
void B_SetupClick(Machine& machine, int colorIndex, int areaIndex, const std::function<void()>& formShowAgain);

}  // namespace corvina
