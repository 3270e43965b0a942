#pragma once
// The text box `THintBoX`: a few lines beside a button, shown modally
// until the pointer leaves the box and the button. At most one is open.

#include <vector>

#include "sys/big5.h"
#include "sys/edge_rect.h"
#include "sys/geometry.h"
#include "sys/popup_sizes.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/session_scope.h"
#include "ui/shape.h"
#include "ui/timer.h"

namespace corvina {

class THintBoX final : public ui::Form {
public:
    // Sized and placed at `topLeft` (screen), moved left to stay on the
    // screen; `anchor` (screen, all zero for none) keeps it open too.
    THintBoX(Point topLeft, const EdgeRect& anchor, const std::vector<Big5>& lines, const TextBoxStyle& style);

    const EdgeRect& Anchor() const { return anchor_; }
    ui::Label& Label() { return *label_; }
    ui::Shape& Shape() { return *shape_; }

protected:
    void DoShow() override;

private:
    void Timer1Timer();
    void Finish();

    EdgeRect anchor_;
    ui::Shape* shape_ = nullptr;
    ui::Label* label_ = nullptr;
    ui::Timer timer_{kPopupWatchMs, false};
    // Closed when the customer's session ends.
    ui::SessionWindow session_{[this] { Finish(); }};
};

// Returns when the box closes; no lines show nothing.
void ShowTextBox(Point topLeft, const EdgeRect& anchor, const std::vector<Big5>& lines, const TextBoxStyle& style);

// True while a `THintBoX` runs.
bool IsTextBoxOpen();

}  // namespace corvina
