#include "widgets/wait_window.h"

#include "sys/dialog_sizes.h"
#include "sys/text.h"
#include "sys/win32/handles.h"
#include "ui/canvas.h"
#include "ui/label.h"
#include "ui/panel.h"

namespace corvina {

namespace {

class WaitWindow final : public ui::Form {
public:
    WaitWindow(const Big5& text, corvina::Color background, corvina::Color textColor)
        : ui::Form(L"TWaitWindow", ui::BorderStyle::None), text_(text) {
        auto& panel = Add<ui::Panel>();
        panel.SetAlign(ui::Align::Client);
        panel.SetBevelInner(ui::BevelCut::Lowered);
        panel.SetBevelOuter(ui::BevelCut::Raised);
        auto& label = panel.Add<ui::Label>(text);
        label.SetAlign(ui::Align::Client);
        label.SetAlignment(ui::TextAlign::Center);
        label.SetLayout(ui::TextLayout::Center);
        label.SetColor(background);
        label.SetFont(ui::Font(ui::Font().face, 16, ui::FontStyle::None, textColor));

        const Size size = MeasuredSize(text, label.Font());
        SetClientSize(size.width, size.height);
        SetPosition(ui::FormPosition::ScreenCenter);
    }

    const Big5& ShownText() const { return text_; }

    void ShowNow() {
        ShowInactive();
        SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        UpdateWindow(Handle());
    }

private:
    static Size MeasuredSize(const Big5& text, const ui::Font& font) {
        const win32::ReleasedDC screen = win32::ReleasedDC::Of(nullptr);
        ui::Canvas canvas(screen.Get());
        canvas.SetFont(font);
        return WaitWindowClientSize(
            text, [&](std::string_view line) { return canvas.TextWidth(line); }, canvas.TextHeight("F"));
    }

    Big5 text_;
};

// The one wait window of the process.
ui::FormPtr<WaitWindow>& TheWaitWindow() {
    static ui::FormPtr<WaitWindow> window;
    return window;
}

}  // namespace

void ShowWaitWindow(const Big5& text, corvina::Color background, corvina::Color textColor) {
    auto& window = TheWaitWindow();
    if (window) return;
    const Big5 shown = TrimControlAndBlanks(text).empty() ? DefaultWaitText() : text;
    window = ui::MakeForm<WaitWindow>(shown, background, textColor);
    window->ShowNow();
}

void CloseWaitWindow() { TheWaitWindow().reset(); }

const Big5* ShownWaitText() {
    const auto& window = TheWaitWindow();
    return window ? &window->ShownText() : nullptr;
}

}  // namespace corvina
