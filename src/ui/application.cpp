#include "ui/application.h"

#include <algorithm>
#include <stdexcept>

#include "sys/text.h"
#include "ui/form.h"
#include "ui/guard.h"
#include "ui/hint_window.h"
#include "ui/message_box.h"
#include "ui/timer.h"
#include "ui/window_class.h"

namespace corvina::ui {

namespace {

constexpr wchar_t kApplicationClass[] = L"CorvinaApplication";
constexpr WindowBinding<Application> kApplicationBinding(L"Corvina.Application");
// lParam: the owned form to free.
constexpr UINT kReleaseForm = WM_APP + 1;
// Once the activation that asked for it is over.
constexpr UINT kPassActivationOn = WM_APP + 2;

Application* current = nullptr;

Form* FormOfWindow(HWND window) { return dynamic_cast<Form*>(WinControl::FromHandle(GetAncestor(window, GA_ROOT))); }

}  // namespace

Application::Application(const Big5& title) : title_(title) {
    if (current) throw std::logic_error("one application at a time");
    RegisterWindowClassOnce(kApplicationClass, &WindowProc);
    // Hidden; it would carry the program's taskbar button.
    window_.Reset(CreateWindowExW(0, kApplicationClass, WideFromBig5(title).c_str(),
                                  WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0, 0, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), this));
    if (!window_) throw std::runtime_error("cannot create the application window");
    current = this;
}

Application::~Application() {
    hintTimer_.reset();
    hint_.reset();
    // Forms go before the window that owns them, the last made first.
    while (!forms_.empty()) forms_.pop_back();
    mainForm_ = nullptr;
    for (auto& [id, timer] : timers_) {
        KillTimer(Handle(), id);
        timer->id_ = 0;
    }
    kApplicationBinding.Unbind(Handle());
    window_.Reset();
    current = nullptr;
}

Application& Application::Instance() {
    if (!current) throw std::logic_error("no application");
    return *current;
}

Application* Application::Current() noexcept { return current; }

bool Application::Ending() noexcept { return current != nullptr && current->terminated_; }

void Application::SetTitle(const Big5& title) {
    title_ = title;
    SetWindowTextW(Handle(), WideFromBig5(title).c_str());
}

LRESULT CALLBACK Application::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    kApplicationBinding.BindOnCreate(window, message, lParam);
    Application* self = kApplicationBinding.Of(window);
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    try {
        return self->HandleOwnMessage(window, message, wParam, lParam);
    } catch (...) {
        ReportCurrentException();
    }
    return 0;
}

LRESULT Application::HandleOwnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            if (const auto found = timers_.find(wParam); found != timers_.end()) found->second->Tick();
            return 0;
        case kReleaseForm: {
            const auto* form = reinterpret_cast<const Form*>(lParam);
            const auto found =
                std::find_if(forms_.begin(), forms_.end(), [&](const auto& f) { return f.get() == form; });
            if (found != forms_.end()) {
                if (mainForm_ == form) mainForm_ = nullptr;
                FormPtr<Form> released = std::move(*found);
                forms_.erase(found);
            }
            return 0;
        }
        case WM_ACTIVATE:
            // Something activated the hidden window (another start of the
            // program brings it to the front): the forms are what it means.
            if (LOWORD(wParam) != WA_INACTIVE && mainForm_) PostMessageW(window, kPassActivationOn, 0, 0);
            return DefWindowProcW(window, message, wParam, lParam);
        case kPassActivationOn:
            PassActivationOn();
            return 0;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_MINIMIZE) {
                Minimize();
                return 0;
            }
            if ((wParam & 0xFFF0) == SC_RESTORE) {
                Restore();
                return 0;
            }
            return DefWindowProcW(window, message, wParam, lParam);
        case WM_SIZE:
            // Restored by ShowWindow from outside, which leaves the forms hidden.
            if (wParam == SIZE_RESTORED && minimized_) Restore();
            return DefWindowProcW(window, message, wParam, lParam);
        case WM_CLOSE:
            if (mainForm_) {
                // As if asked of the main form itself, which may refuse it.
                SendMessageW(mainForm_->Handle(), WM_CLOSE, 0, 0);
            } else {
                Terminate();
            }
            return 0;
        default:
            if (message == LiveCountsMessage()) return CountLive(static_cast<LiveCount>(wParam));
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

void Application::Own(FormPtr<Form> form) {
    if (!mainForm_) mainForm_ = form.get();
    forms_.push_back(std::move(form));
}

void Application::ReleaseLater(Form& form) { PostMessageW(Handle(), kReleaseForm, 0, reinterpret_cast<LPARAM>(&form)); }

void Application::Run() {
    if (terminated_) return;
    if (mainForm_ && !mainForm_->Visible()) mainForm_->Show();
    while (!terminated_) HandleMessage();
}

void Application::HandleMessage() {
    MSG message{};
    if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
        terminated_ = true;
        return;
    }
    Dispatch(message);
}

void Application::ProcessMessages() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            terminated_ = true;
            break;
        }
        Dispatch(message);
    }
}

void Application::Dispatch(MSG& message) {
    if (PreTranslate(message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

bool Application::PreTranslate(const MSG& message) {
    const bool character = message.message == WM_CHAR || message.message == WM_SYSCHAR;
    const bool tab = message.message == WM_KEYDOWN && message.wParam == VK_TAB;
    if (!character && !tab) return false;
    // Keys a control takes itself (letters in an edit, tabs in a memo) stay with it.
    const LRESULT wants = SendMessageW(message.hwnd, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message));
    Form* form = FormOfWindow(message.hwnd);
    if (!form || !form->Enabled()) return false;
    if (tab) {
        if (wants & (DLGC_WANTTAB | DLGC_WANTALLKEYS)) return false;
        form->SelectNext(GetKeyState(VK_SHIFT) < 0);
        return true;
    }
    if (message.message == WM_CHAR && (wants & (DLGC_WANTCHARS | DLGC_WANTALLKEYS))) return false;
    bool handled = false;
    Guarded([&] { handled = form->DialogChar(static_cast<wchar_t>(message.wParam), message.message == WM_SYSCHAR); });
    return handled;
}

void Application::Terminate() {
    terminated_ = true;
    // Wakes a loop waiting for a message.
    PostMessageW(Handle(), WM_NULL, 0, 0);
}

// The forms are owned popups: they leave and come back with their owner,
// which the system does not do for an owner that was hidden.
void Application::Minimize() {
    minimized_ = true;
    ShowOwnedPopups(Handle(), FALSE);
    ShowWindow(Handle(), SW_MINIMIZE);
}

void Application::Restore() {
    minimized_ = false;
    if (IsIconic(Handle())) ShowWindow(Handle(), SW_RESTORE);
    ShowOwnedPopups(Handle(), TRUE);
    PassActivationOn();
}

void Application::PassActivationOn() {
    if (!mainForm_ || !mainForm_->Visible()) return;
    // A modal window over the main form keeps its place in front of it.
    HWND target = GetLastActivePopup(Handle());
    if (target == Handle() || !IsWindowVisible(target) || !IsWindowEnabled(target)) target = mainForm_->Handle();
    if (OnBringToFront) {
        OnBringToFront(target);
    } else {
        SetForegroundWindow(target);
    }
}

UINT Application::LiveCountsMessage() {
    static const UINT message = RegisterWindowMessageW(L"Corvina.LiveCounts");
    return message;
}

long Application::CountLive(LiveCount what) noexcept {
    if (what == LiveCount::Windows) return win32::OwnedWindow::Live();
    return win32::GdiObject<HBITMAP>::Live() + win32::GdiObject<HPEN>::Live() + win32::GdiObject<HBRUSH>::Live() +
           win32::GdiObject<HFONT>::Live() + win32::GdiObject<HRGN>::Live() + win32::OwnedDC::Live() +
           win32::ReleasedDC::Live() + win32::ScopedIcon::Live() + win32::ScopedEnhMetaFile::Live();
}

void Application::HandleException(const std::exception& error) noexcept {
    try {
        if (OnException) {
            OnException(error);
        } else {
            ShowException(error);
        }
    } catch (...) {
        // The report itself failed: nothing more can be shown.
    }
}

void Application::ShowException(const std::exception& error) { ShowError(error.what()); }

HWND Application::ActiveOwner() const {
    const HWND active = GetActiveWindow();
    return active ? active : Handle();
}

UINT_PTR Application::StartTimer(Timer& timer, unsigned interval) {
    const UINT_PTR id = nextTimer_++;
    if (SetTimer(Handle(), id, interval, nullptr) == 0) throw std::runtime_error("cannot start a timer");
    timers_[id] = &timer;
    return id;
}

void Application::StopTimer(UINT_PTR id) {
    KillTimer(Handle(), id);
    timers_.erase(id);
}

void Application::PointerOn(Control* control) {
    if (control == hintControl_) return;
    hintControl_ = control;
    if (hint_) hint_->HideHint();
    if (hintTimer_) hintTimer_->SetEnabled(false);
    if (!control || !control->ShowHint() || control->Hint().empty()) return;
    if (!hintTimer_) {
        hintTimer_ = std::make_unique<Timer>(hintPause_, false);
        hintTimer_->OnTimer = [this](Timer&) { ShowPendingHint(); };
    }
    hintTimer_->SetInterval(hintPause_);
    hintTimer_->SetEnabled(true);
}

void Application::PointerPressed() {
    if (hintTimer_) hintTimer_->SetEnabled(false);
    if (hint_) hint_->HideHint();
}

void Application::ShowPendingHint() {
    hintTimer_->SetEnabled(false);
    if (!hintControl_) return;
    if (!hint_) hint_ = std::make_unique<HintWindow>(Handle());
    POINT cursor{};
    GetCursorPos(&cursor);
    // Below the pointer's arrow, as hints sit.
    hint_->ShowHint(hintControl_->Hint(), {cursor.x, cursor.y + 20});
}

void Application::Forget(const Control& control) {
    if (hintControl_ != &control) return;
    hintControl_ = nullptr;
    PointerPressed();
}

}  // namespace corvina::ui
