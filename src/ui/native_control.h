#pragma once
// A system control (EDIT, BUTTON, LISTBOX) hosted as a windowed control:
// subclassed for the mouse events, its notifications reflected to it by the
// parent, shown in the control's font and colours.

#include "ui/win_control.h"

namespace corvina::ui {

class NativeControl : public WinControl {
protected:
    NativeControl(WinControl& parent, const wchar_t* className, DWORD style, DWORD exStyle, const Rect& bounds,
                  const Big5& text = {});

    LRESULT ControlColor(HDC dc) override;
    void LookChanged() override;

private:
    void ApplyFont();

    win32::GdiObject<HFONT> font_;
    win32::GdiObject<HBRUSH> brush_;
    corvina::Color brushColor_;
};

}  // namespace corvina::ui
