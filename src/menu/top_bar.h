#pragma once
// The bar along the top of the main window: the logo panel with its two
// lit buttons, the channel tabs and the notice line.

#include "ui/label.h"
#include "ui/panel.h"
#include "widgets/ev_btn.h"
#include "widgets/ev_panel.h"
#include "widgets/ev_tabset.h"

namespace corvina {

struct TopBar {
    ui::Panel& Pnl_Top;
    TEvPanel& Pnl_Left;
    TEvBtn& B_intoBrowser;
    TEvBtn& B_intofoods;
    ui::Panel& Pnl_Top_Clt;
    TEVTabset& Tabsset;
    ui::Label& Label3;
};

TopBar BuildTopBar(ui::WinControl& window);

}  // namespace corvina
