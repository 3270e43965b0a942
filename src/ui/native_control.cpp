#include "ui/native_control.h"

#include "ui/color.h"
#include "ui/gdi_font.h"

namespace corvina::ui {

namespace {

WinControl::WindowParams SystemParams(const wchar_t* className, DWORD style, DWORD exStyle, const Rect& bounds,
                                      const Big5& text) {
    WinControl::WindowParams params;
    params.className = className;
    params.systemClass = true;
    params.style = style;
    params.exStyle = exStyle;
    params.bounds = bounds;
    params.text = text;
    return params;
}

}  // namespace

NativeControl::NativeControl(WinControl& parent, const wchar_t* className, DWORD style, DWORD exStyle,
                             const Rect& bounds, const Big5& text)
    : WinControl(&parent, SystemParams(className, style, exStyle, bounds, text)) {
    ApplyFont();
}

void NativeControl::ApplyFont() {
    win32::GdiObject<HFONT> font = CreateGdiFont(Font());
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), TRUE);
    // The old font goes only once the control has let go of it.
    font_ = std::move(font);
}

void NativeControl::LookChanged() {
    ApplyFont();
    WinControl::LookChanged();
}

LRESULT NativeControl::ControlColor(HDC dc) {
    const corvina::Color ground = Color();
    if (!brush_ || ground != brushColor_) {
        brush_.Reset(CreateSolidBrush(ToColorRef(ground)));
        brushColor_ = ground;
    }
    SetTextColor(dc, ToColorRef(Enabled() ? Font().color : corvina::Color::System(COLOR_GRAYTEXT)));
    SetBkColor(dc, ToColorRef(ground));
    return reinterpret_cast<LRESULT>(brush_.Get());
}

}  // namespace corvina::ui
