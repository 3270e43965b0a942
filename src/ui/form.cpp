#include "ui/form.h"

#include <stdexcept>
#include <vector>

#include "ui/application.h"
#include "ui/guard.h"
#include "ui/window_style.h"

namespace corvina::ui {

namespace {

struct Styles {
    DWORD style;
    DWORD exStyle;
};

constexpr DWORD kFormStyle = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
constexpr DWORD kFormExStyle = WS_EX_CONTROLPARENT;

Styles StylesOf(BorderStyle border) {
    switch (border) {
        case BorderStyle::None:
            return {WS_POPUP, 0};
        case BorderStyle::Single:
            return {WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0};
        case BorderStyle::Dialog:
            return {WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, WS_EX_DLGMODALFRAME};
        case BorderStyle::ToolWindow:
            return {WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW};
        case BorderStyle::Sizeable:
            break;
    }
    return {WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME, 0};
}

WinControl::WindowParams FormParams(std::wstring_view className, BorderStyle border) {
    WinControl::WindowParams params;
    params.className = std::wstring(className);
    const Styles styles = StylesOf(border);
    params.style = styles.style | kFormStyle;
    params.exStyle = styles.exStyle | kFormExStyle;
    params.bounds = {0, 0, 320, 240};
    return params;
}

int LowWord(LPARAM value) { return static_cast<short>(static_cast<unsigned long long>(value) & 0xFFFFu); }
int HighWord(LPARAM value) { return static_cast<short>((static_cast<unsigned long long>(value) >> 16) & 0xFFFFu); }

// The other windows of the application stay disabled while a modal form runs.
class DisabledWindows {
public:
    explicit DisabledWindows(HWND except) : except_(except) {
        EnumThreadWindows(GetCurrentThreadId(), &Collect, reinterpret_cast<LPARAM>(this));
        for (const HWND window : windows_) EnableWindow(window, FALSE);
    }
    ~DisabledWindows() { Restore(); }
    DisabledWindows(const DisabledWindows&) = delete;
    DisabledWindows& operator=(const DisabledWindows&) = delete;

    void Restore() {
        for (const HWND window : windows_) {
            if (IsWindow(window)) EnableWindow(window, TRUE);
        }
        windows_.clear();
    }

private:
    static BOOL CALLBACK Collect(HWND window, LPARAM self) {
        auto* disabled = reinterpret_cast<DisabledWindows*>(self);
        if (window != disabled->except_ && IsWindowVisible(window) && IsWindowEnabled(window)) {
            disabled->windows_.push_back(window);
        }
        return TRUE;
    }

    HWND except_;
    std::vector<HWND> windows_;
};

}  // namespace

Form* FormOf(Control& control) {
    Control* top = &control;
    while (top->Parent()) top = top->Parent();
    return dynamic_cast<Form*>(top);
}

void FormDeleter::operator()(Form* form) const noexcept {
    form->Destroying();
    std::default_delete<Form>{}(form);
}

Form::Form(std::wstring_view className, ui::BorderStyle border)
    : WinControl(nullptr, FormParams(className, border), Application::Instance().Handle()), borderStyle_(border) {
    StoreVisible(false);
}

Form::~Form() = default;

void Form::FireEvent(const Event& event) { Fire(event, *this); }

void Form::Created() {
    Guarded([&] { DoCreate(); });
}

void Form::Destroying() {
    Guarded([&] { DoDestroy(); });
    if (Application* application = Application::Current(); application && application->MainForm() == this) {
        application->SetMainForm(nullptr);
    }
}

void Form::DoClose(CloseAction& action) { Fire(OnClose, *this, action); }

LRESULT Form::NonClientHitTest(int x, int y) {
    const auto point =
        static_cast<LPARAM>((static_cast<unsigned>(y) & 0xFFFFu) << 16 | (static_cast<unsigned>(x) & 0xFFFFu));
    return DefaultHandling(WM_NCHITTEST, 0, point);
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            Close();
            return 0;
        case WM_NCHITTEST:
            return NonClientHitTest(LowWord(lParam), HighWord(lParam));
        case WM_SHOWWINDOW:
            // Only explicit shows and hides, not those of an owner minimising.
            if (lParam == 0) Guarded([&] { wParam ? DoShow() : DoHide(); });
            break;
        case WM_ACTIVATE:
            if ((wParam & 0xFFFFu) == WA_INACTIVE) {
                const HWND focus = GetFocus();
                if (focus && IsChild(Handle(), focus)) lastFocus_ = focus;
                Guarded([&] { DoDeactivate(); });
                break;
            } else {
                const LRESULT result = WinControl::HandleMessage(message, wParam, lParam);
                if (lastFocus_ && IsChild(Handle(), lastFocus_)) ::SetFocus(lastFocus_);
                Guarded([&] { DoActivate(); });
                return result;
            }
        default:
            break;
    }
    return WinControl::HandleMessage(message, wParam, lParam);
}

void Form::ShowInactive() {
    showInactive_ = true;
    Show();
    showInactive_ = false;
}

void Form::VisibleChanged() {
    if (Visible()) {
        PlaceOnShow();
        ShowWindow(Handle(), showInactive_ ? SW_SHOWNA : SW_SHOW);
    } else {
        ShowWindow(Handle(), SW_HIDE);
    }
}

void Form::PlaceOnShow() {
    if (position_ != FormPosition::ScreenCenter) return;
    RECT area{};
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0)) {
        area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    }
    SetBounds({area.left + (area.right - area.left - Width()) / 2, area.top + (area.bottom - area.top - Height()) / 2,
               Width(), Height()});
}

void Form::SetBorderStyle(ui::BorderStyle style) {
    if (style == borderStyle_) return;
    const int width = ClientWidth();
    const int height = ClientHeight();
    borderStyle_ = style;
    const Styles styles = StylesOf(style);
    // Visibility and the disabled state survive the change; the rest is the new style's.
    ChangeWindowStyle(Handle(), {.clear = ~static_cast<DWORD>(WS_VISIBLE | WS_DISABLED),
                                 .set = styles.style | kFormStyle,
                                 .exClear = ~DWORD{0},
                                 .exSet = styles.exStyle | kFormExStyle});
    SetClientSize(width, height);
}

void Form::SetClientSize(int width, int height) {
    RECT outer{0, 0, width, height};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_EXSTYLE)));
    SetBounds({Left(), Top(), outer.right - outer.left, outer.bottom - outer.top});
}

bool Form::CloseQuery() {
    bool canClose = true;
    Fire(OnCloseQuery, *this, canClose);
    return canClose;
}

void Form::Close() {
    if (modal_) {
        modalResult_ = ui::ModalResult::Cancel;
        return;
    }
    if (!CloseQuery()) return;
    CloseAction action = CloseAction::Hide;
    Guarded([&] { DoClose(action); });
    if (action == CloseAction::None) return;
    Application* application = Application::Current();
    if (application && application->MainForm() == this) {
        application->Terminate();
        return;
    }
    switch (action) {
        case CloseAction::Minimize:
            ShowWindow(Handle(), SW_MINIMIZE);
            break;
        case CloseAction::Free:
            Hide();
            // Only a form the application owns is freed; other owners free theirs.
            if (application) application->ReleaseLater(*this);
            break;
        case CloseAction::Hide:
        case CloseAction::None:
            Hide();
            break;
    }
}

bool Form::CloseModal() {
    CloseAction action = CloseQuery() ? CloseAction::Hide : CloseAction::None;
    Guarded([&] { DoClose(action); });
    if (action != CloseAction::None) return true;
    modalResult_ = ui::ModalResult::None;
    return false;
}

ui::ModalResult Form::ShowModal() {
    if (modal_ || Visible()) throw std::logic_error("cannot make a visible window modal");
    Application& application = Application::Instance();
    if (GetCapture()) ReleaseCapture();
    const HWND previous = GetActiveWindow();
    DisabledWindows disabled(Handle());
    struct ModalRun {
        Form& form;
        ~ModalRun() { form.modal_ = false; }
    } run{*this};
    modal_ = true;
    modalResult_ = ui::ModalResult::None;
    Show();
    for (;;) {
        if (application.Terminated()) {
            modalResult_ = ui::ModalResult::Cancel;
            break;
        }
        if (modalResult_ != ui::ModalResult::None && CloseModal()) break;
        application.HandleMessage();
    }
    // Enabled first, so that activation can go back to them.
    disabled.Restore();
    Hide();
    if (previous && IsWindow(previous)) SetActiveWindow(previous);
    return modalResult_;
}

void Form::SelectNext(bool backwards) {
    const HWND focus = GetFocus();
    const HWND from = focus && IsChild(Handle(), focus) ? focus : nullptr;
    if (const HWND next = GetNextDlgTabItem(Handle(), from, backwards ? TRUE : FALSE)) ::SetFocus(next);
}

}  // namespace corvina::ui
