#pragma once
// The consumption list `TfExpendList`: a small window on top that shows the
// session's charges (command 120) for five seconds. At most one exists.

#include <cstdint>
#include <string_view>

#include "orders/consumption.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/timer.h"
#include "widgets/ev_grid.h"

namespace corvina {

class TfExpendList final : public ui::Form {
public:
    explicit TfExpendList(const ConsumptionView& view);

    ui::Panel& Pnl_Clt() { return *pnlClt_; }
    TEvgrid& ExpGrid() { return *expGrid_; }
    const ui::Label& Lbl_info() const { return *lblInfo_; }

protected:
    void DoShow() override;

private:
    void Fill(const ConsumptionView& view);

    ui::Panel* pnlClt_ = nullptr;
    TEvgrid* expGrid_ = nullptr;
    ui::Label* lblInfo_ = nullptr;
    ui::Timer timer1_{5000, true};
};

// Shows the list modally until it closes itself; nothing while one is
// open, and nothing for a metered session without figures. `mode` is the
// ordering window's `PackageFlag`.
void ShowConsumptionList(std::uint8_t mode, std::string_view data);

// The list that is open, or null.
TfExpendList* ShownConsumptionList();

// For the end of a session.
void CloseConsumptionList();

}  // namespace corvina
