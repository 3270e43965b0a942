#include "ui/check_box.h"

#include "ui/accelerator.h"

namespace corvina::ui {

CheckBox::CheckBox(WinControl& parent, const Big5& caption)
    : NativeControl(parent, L"BUTTON", BS_CHECKBOX | WS_TABSTOP, 0, {0, 0, 97, 17}, caption) {}

bool CheckBox::Checked() const { return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void CheckBox::SetChecked(bool checked) {
    if (checked == Checked()) return;
    SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    Click();
}

bool CheckBox::DialogChar(wchar_t key, bool) {
    if (!IsAccelerator(key, Caption())) return false;
    SetFocus();
    SetChecked(!Checked());
    return true;
}

void CheckBox::Command(WORD code) {
    if (code == BN_CLICKED) SetChecked(!Checked());
}

}  // namespace corvina::ui
