#pragma once
// The popup list box `TPopMenuBOX`: a few entries beside a menu button,
// shown modally until one is chosen or the pointer goes elsewhere. At most
// one is open at a time.

#include <vector>

#include "sys/big5.h"
#include "sys/edge_rect.h"
#include "sys/geometry.h"
#include "sys/popup_sizes.h"
#include "ui/form.h"
#include "ui/panel.h"
#include "ui/session_scope.h"
#include "ui/timer.h"
#include "widgets/ev_grid.h"

namespace corvina {

class TPopMenuBOX final : public ui::Form {
public:
    // Sized and placed at `topLeft` (screen), moved left to stay on the
    // screen; `anchor` (screen, all zero for none) keeps it open too.
    TPopMenuBOX(Point topLeft, const EdgeRect& anchor, const std::vector<Big5>& entries, const PopupBoxStyle& style);

    // The chosen entry, -1 for none.
    int Result() const { return result_; }
    const EdgeRect& Anchor() const { return anchor_; }
    TEvgrid& Grid() { return *grid_; }
    ui::Panel& Panel() { return *panel_; }

protected:
    void DoShow() override;

private:
    void GridKeyUp(WORD key);
    void GridMouseUp(ui::ShiftState shift);
    void Timer1Timer();
    void Finish(int result);

    EdgeRect anchor_;
    ui::Panel* panel_ = nullptr;
    TEvgrid* grid_ = nullptr;
    ui::Timer timer_{kPopupWatchMs, false};
    int result_ = -1;
    // Closed, choosing nothing, when the customer's session ends.
    ui::SessionWindow session_{[this] { Finish(-1); }};
};

// The chosen entry's index, or -1: no entries, the pointer left, another
// window became active, or a release with the right button held.
int ShowPopupBox(Point topLeft, const EdgeRect& anchor, const std::vector<Big5>& entries, const PopupBoxStyle& style);

// True while a `TPopMenuBOX` runs.
bool IsPopupBoxOpen();

}  // namespace corvina
