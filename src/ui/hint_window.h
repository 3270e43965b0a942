#pragma once
// The small pop-up that shows a control's Hint while the pointer rests on
// it. The application keeps one and moves it from control to control.

#include "ui/win_control.h"

namespace corvina::ui {

class HintWindow : public WinControl {
public:
    explicit HintWindow(HWND owner);

    // Sized to the text, with its top-left corner at a screen point; never
    // takes the activation.
    void ShowHint(const Big5& text, Point screen);
    void HideHint();

protected:
    void Paint(Canvas& canvas) override;
};

}  // namespace corvina::ui
