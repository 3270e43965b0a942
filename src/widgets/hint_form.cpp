#include "widgets/hint_form.h"

#include <optional>

#include "sys/text.h"
#include "ui/application.h"
#include "widgets/hint_form_placement.h"

namespace corvina {

TfHintForm::TfHintForm(std::wstring_view className, const bool& hideTaskBar)
    : ui::Form(className, ui::BorderStyle::None), hideTaskBar_(hideTaskBar) {
    SetClientSize(792, 573);
    SetColor(corvina::Color::System(15));  // button face
    SetFont(ui::Font(T(u8"MS Sans Serif"), 11));
}

Rect TfHintForm::ScreenBounds() const {
    std::optional<EdgeRect> workArea;
    RECT area{};
    if (SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0)) {
        workArea = EdgeRect{area.left, area.top, area.right, area.bottom};
    }
    return HintFormBounds(hideTaskBar_, workArea, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
}

void TfHintForm::PlaceOnScreen() {
    SetBounds(ScreenBounds());
    SetForegroundWindow(Handle());
}

void TfHintForm::DoShow() {
    PlaceOnScreen();
    ui::Form::DoShow();
}

void TfHintForm::DoActivate() {
    // The application window carries the taskbar button: out of sight, no button.
    if (ui::Application* application = ui::Application::Current()) {
        ShowWindow(application->Handle(), SW_HIDE);
    }
    ui::Form::DoActivate();
}

LRESULT TfHintForm::NonClientHitTest(int, int) { return HTTRANSPARENT; }

}  // namespace corvina
