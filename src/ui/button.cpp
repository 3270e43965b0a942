#include "ui/button.h"

#include "ui/accelerator.h"

namespace corvina::ui {

Button::Button(WinControl& parent, const Big5& caption)
    : NativeControl(parent, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, {0, 0, 75, 25}, caption) {}

void Button::Click() {
    if (modalResult_ != ui::ModalResult::None) {
        if (Form* form = FormOf(*this)) form->SetModalResult(modalResult_);
    }
    NativeControl::Click();
}

bool Button::DialogChar(wchar_t key, bool) {
    if (!IsAccelerator(key, Caption())) return false;
    SetFocus();
    Click();
    return true;
}

void Button::Command(WORD code) {
    if (code == BN_CLICKED) Click();
}

}  // namespace corvina::ui
