#include "widgets/hint_form.h"

#include <optional>

#include "sys/text.h"
#include "ui/application.h"
#include "widgets/front_window.h"
#include "widgets/hint_form_placement.h"

namespace corvina {

TfHintForm::TfHintForm(std::wstring_view className, const bool& hideTaskBar, Machine* machine)
    : ui::Form(className, ui::BorderStyle::None), hideTaskBar_(hideTaskBar), machine_(machine) {
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
    if (machine_ != nullptr) {
        ComeToFront(*machine_, Handle());
    } else {
        SetForegroundWindow(Handle());
    }
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
    if (machine_ != nullptr) ActivatedInFront(*machine_, Handle());
    ui::Form::DoActivate();
}

void TfHintForm::DoDestroy() {
    ForgetKeptOnTop(Handle());
    ui::Form::DoDestroy();
}

LRESULT TfHintForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // The customer switched to this program while the window was already
    // its active one: no activation of the window itself follows.
    if (message == WM_ACTIVATEAPP && wParam != FALSE && machine_ != nullptr) ActivatedInFront(*machine_, Handle());
    return ui::Form::HandleMessage(message, wParam, lParam);
}

LRESULT TfHintForm::NonClientHitTest(int, int) { return HTTRANSPARENT; }

}  // namespace corvina
