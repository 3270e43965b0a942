#pragma once
// The full-screen base form of the main menu and the ordering window: no
// border, placed over the work area (or the whole screen) on every show,
// keeping the program off the taskbar, and letting the pointer through
// its bare surface.

#include <string_view>

#include "sys/win32/machine.h"
#include "ui/form.h"

namespace corvina {

class TfHintForm : public ui::Form {
public:
    // `hideTaskBar` is the settings' HideTaskBar, read at every show: the
    // settings are read after the form is made. Every show takes the
    // foreground through `machine` (kept topmost when refused); without
    // one, as Windows grants it.
    TfHintForm(std::wstring_view className, const bool& hideTaskBar, Machine* machine = nullptr);

protected:
    // Where every show places the form.
    Rect ScreenBounds() const;

    void DoShow() override;
    void DoActivate() override;
    void DoDestroy() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT NonClientHitTest(int x, int y) override;

private:
    void PlaceOnScreen();

    const bool& hideTaskBar_;
    Machine* machine_;
};

}  // namespace corvina
