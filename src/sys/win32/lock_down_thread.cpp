#include "sys/win32/lock_down_thread.h"

#include <array>
#include <stdexcept>

#include "sys/lock_down_rules.h"

namespace corvina {
namespace {

constexpr UINT kLockKeys = WM_APP + 1;      // wParam: locked
constexpr UINT kHideTaskbars = WM_APP + 2;  // wParam: hidden
constexpr UINT kTaskbarCheckMs = 500;

constexpr std::array<const wchar_t*, 2> kTaskbarClasses{L"Shell_TrayWnd", L"Shell_SecondaryTrayWnd"};

template <typename Action>
void ForEachTaskbar(Action action) noexcept {
    for (const wchar_t* taskbarClass : kTaskbarClasses) {
        for (HWND taskbar = FindWindowExW(nullptr, nullptr, taskbarClass, nullptr); taskbar != nullptr;
             taskbar = FindWindowExW(nullptr, taskbar, taskbarClass, nullptr)) {
            action(taskbar);
        }
    }
}

// The hook thread's filter: Windows hands a hook procedure no context, and
// the hook runs on this thread only.
thread_local KioskKeyFilter* hookFilter = nullptr;

LRESULT CALLBACK KeyboardHook(int code, WPARAM message, LPARAM data) {
    if (code == HC_ACTION && hookFilter != nullptr) {
        const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(data);
        const bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
        if (hookFilter->Drops(key->vkCode, down)) return 1;
    }
    return CallNextHookEx(nullptr, code, message, data);
}

}  // namespace

void ShowEveryTaskbar(bool show) noexcept {
    ForEachTaskbar([show](HWND taskbar) { ShowWindow(taskbar, show ? SW_RESTORE : SW_HIDE); });
}

void ShowEveryTaskbarAsync(bool show) noexcept {
    ForEachTaskbar([show](HWND taskbar) { ShowWindowAsync(taskbar, show ? SW_RESTORE : SW_HIDE); });
}

LockDownThread::LockDownThread() : ready_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {
    if (!ready_) throw std::runtime_error("no event for the lock-down thread");
    thread_ = std::thread([this] { Run(); });
    WaitForSingleObject(ready_.Get(), INFINITE);
}

LockDownThread::~LockDownThread() {
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    thread_.join();
}

void LockDownThread::SetKeysLocked(bool locked) {
    PostThreadMessageW(threadId_, kLockKeys, locked, 0);
    WaitForSingleObject(ready_.Get(), INFINITE);
}

void LockDownThread::SetTaskbarsHidden(bool hidden) {
    PostThreadMessageW(threadId_, kHideTaskbars, hidden, 0);
    WaitForSingleObject(ready_.Get(), INFINITE);
}

void LockDownThread::StopAfterCrash() noexcept {
    // A hook whose thread the crash report suspends (to write the dump)
    // holds up every key press, and under Wine the report itself: gone
    // first, within a bound in case the crash is on that thread.
    constexpr DWORD kUnhookWithinMs = 1000;
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    WaitForSingleObject(ready_.Get(), kUnhookWithinMs);
}

void LockDownThread::Run() {
    MSG message{};
    // The queue exists before anyone posts to it.
    PeekMessageW(&message, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
    threadId_ = GetCurrentThreadId();
    KioskKeyFilter filter;
    HHOOK hook = nullptr;
    UINT_PTR taskbarTimer = 0;
    SetEvent(ready_.Get());
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        switch (message.message) {
            case kLockKeys:
                if (message.wParam && hook == nullptr) {
                    filter = KioskKeyFilter{};
                    hookFilter = &filter;
                    hook = SetWindowsHookExW(WH_KEYBOARD_LL, &KeyboardHook, GetModuleHandleW(nullptr), 0);
                } else if (!message.wParam && hook != nullptr) {
                    UnhookWindowsHookEx(hook);
                    hook = nullptr;
                    hookFilter = nullptr;
                }
                SetEvent(ready_.Get());
                break;
            case kHideTaskbars:
                if (message.wParam && taskbarTimer == 0) {
                    taskbarTimer = SetTimer(nullptr, 0, kTaskbarCheckMs, nullptr);
                } else if (!message.wParam && taskbarTimer != 0) {
                    KillTimer(nullptr, taskbarTimer);
                    taskbarTimer = 0;
                }
                SetEvent(ready_.Get());
                break;
            case WM_TIMER:
                // Posted hides: a hung shell never holds up the hook.
                ForEachTaskbar([](HWND taskbar) {
                    if (IsWindowVisible(taskbar)) ShowWindowAsync(taskbar, SW_HIDE);
                });
                break;
            default:
                DispatchMessageW(&message);
                break;
        }
    }
    if (hook != nullptr) UnhookWindowsHookEx(hook);
    hookFilter = nullptr;
    SetEvent(ready_.Get());
}

}  // namespace corvina
