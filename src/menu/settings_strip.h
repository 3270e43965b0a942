#pragma once
// The settings strip that hides above the channel tabs: colour depth and
// screen area choices, the button that applies them and the exit button.

#include "ui/label.h"
#include "ui/radio_group.h"
#include "widgets/ev_btn.h"
#include "widgets/ev_panel.h"

namespace corvina {

// Only its lowest 4 pixels show while hidden; down, its top is -4.
inline constexpr int kStripHiddenTop = -36;
inline constexpr int kStripShownTop = -4;
inline constexpr int kStripHeight = 40;

struct SettingsStrip {
    TEvPanel& Pnl_Chanel;
    ui::RadioGroup& Rg_Color;
    ui::RadioGroup& RG_Area;
    TEvBtn& B_Setup;
    TEvBtn& B_Exit;
};

SettingsStrip BuildSettingsStrip(ui::WinControl& parent);

}  // namespace corvina
