#include "ui/hint_window.h"

#include "ui/canvas.h"

namespace corvina::ui {

namespace {

constexpr corvina::Color kInfoGround = corvina::Color::System(COLOR_INFOBK);
constexpr corvina::Color kInfoText = corvina::Color::System(COLOR_INFOTEXT);
constexpr int kMargin = 2;

WinControl::WindowParams HintParams() {
    WinControl::WindowParams params;
    params.className = L"CorvinaHint";
    params.style = WS_POPUP | WS_BORDER;
    params.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    return params;
}

}  // namespace

HintWindow::HintWindow(HWND owner) : WinControl(nullptr, HintParams(), owner) {
    StoreVisible(false);
    SetColor(kInfoGround);
    ui::Font font;
    font.color = kInfoText;
    SetFont(font);
}

void HintWindow::ShowHint(const Big5& text, Point screen) {
    SetText(text);
    EdgeRect size{0, 0, 300, 0};
    {
        const win32::ReleasedDC screenDc = win32::ReleasedDC::Of(nullptr);
        Canvas canvas(screenDc.Get());
        canvas.SetFont(Font());
        canvas.TextRect(size, text, TextFormat::WordBreak | TextFormat::NoPrefix | TextFormat::CalcRect);
    }
    // The border's pixel on each side, and a margin inside it.
    SetBounds({screen.x, screen.y, size.Width() + 2 * kMargin + 2, size.Height() + 2 * kMargin + 2});
    ShowWindow(Handle(), SW_SHOWNA);
    StoreVisible(true);
    Invalidate();
}

void HintWindow::HideHint() {
    if (!Visible()) return;
    ShowWindow(Handle(), SW_HIDE);
    StoreVisible(false);
}

void HintWindow::Paint(Canvas& canvas) {
    EdgeRect rect{0, 0, ClientWidth(), ClientHeight()};
    canvas.SetBrushColor(Color());
    canvas.FillRect(rect);
    canvas.SetBrush({corvina::Color{}, BrushStyle::Clear});
    canvas.SetFont(Font());
    rect = {kMargin, kMargin, rect.right - kMargin, rect.bottom - kMargin};
    canvas.TextRect(rect, Text(), TextFormat::WordBreak | TextFormat::NoPrefix);
}

}  // namespace corvina::ui
