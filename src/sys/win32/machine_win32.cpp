#include "sys/win32/machine.h"

#include <shellapi.h>

#include <algorithm>
#include <string>

#include "sys/text.h"
#include "sys/win32/accessibility_shortcuts.h"

namespace corvina {
namespace {

// ShellExecuteW takes null for an empty text.
const wchar_t* OrNull(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

}  // namespace

Big5 ClockRefusedText(DWORD refusal) {
    Big5 text = T(u8"無法依咖啡廳伺服器的時間調整電腦時鐘");
    if (refusal == ERROR_PRIVILEGE_NOT_HELD) {
        text += T(u8"：使用者帳戶沒有「變更系統時間」(Change the system time) 的權限，請見 docs/admin.md。");
    } else {
        text += T(u8"：Windows 錯誤碼 ") + std::to_string(refusal) + T(u8"。");
    }
    return text;
}

LockDownThread& WindowsMachine::Thread() {
    if (!thread_) thread_ = std::make_unique<LockDownThread>();
    return *thread_;
}

void WindowsMachine::ShowTaskbar(bool show) {
    // The re-hiding stops before the taskbars show, and starts once hidden.
    if (show && thread_) Thread().SetTaskbarsHidden(false);
    ShowEveryTaskbar(show);
    if (!show) Thread().SetTaskbarsHidden(true);
}

void WindowsMachine::LockKeys(bool locked) {
    if (locked == keysLocked_) return;
    if (locked) {
        accessibility_ = ReadAccessibilityFlags();
        SwitchOffAccessibilityShortcuts(accessibility_);
        keysLocked_ = true;
        Thread().SetKeysLocked(true);
    } else {
        Thread().SetKeysLocked(false);
        keysLocked_ = false;
        RestoreAccessibilityFlags(accessibility_);
    }
}

void WindowsMachine::KeepMenuRunning(bool keep) {
    if (keep) {
        // The watch gives back what the customer had, not what the lock took.
        watch_.Keep(keysLocked_ ? accessibility_ : ReadAccessibilityFlags());
    } else {
        watch_.ProperExit();
    }
}

void WindowsMachine::SetWindowParent(HWND window, HWND parent) {
    if (!IsWindow(window)) return;
    if (parent != nullptr) {
        if (taken_.load() == window) {
            SetParent(window, parent);
            return;
        }
        record_ = TakeAsChild(window, parent);
        taken_.store(window);
        PublishTakenDesktop(&record_);
        return;
    }
    HWND expected = window;
    if (taken_.compare_exchange_strong(expected, nullptr)) {
        GiveBack(record_);
        PublishTakenDesktop(nullptr);
    } else {
        SetParent(window, nullptr);
    }
}

void WindowsMachine::GiveBackAfterCrash() noexcept {
    // Nothing here waits on a window of this process: the taken window is
    // the shell's, and so is its parent.
    if (HWND taken = taken_.exchange(nullptr); taken != nullptr) GiveBack(record_);
    // Read without a lock: it is made once, on the user-interface thread,
    // long before the customer can make anything crash.
    if (thread_) thread_->StopAfterCrash();
    // Posted: the shell shows them even after this process has gone.
    ShowEveryTaskbarAsync(true);
    if (keysLocked_) RestoreAccessibilityFlags(accessibility_);
}

DWORD WindowsMachine::SetClock(const SYSTEMTIME& localTime) {
    return SetLocalTime(&localTime) ? ERROR_SUCCESS : GetLastError();
}

std::optional<DEVMODEW> WindowsMachine::CurrentDisplayMode() {
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    if (!EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode)) return std::nullopt;
    return mode;
}

LONG WindowsMachine::ApplyDisplayMode(const DEVMODEW& mode, DWORD flags) {
    DEVMODEW copy = mode;
    return ChangeDisplaySettingsW(&copy, flags);
}

long long WindowsMachine::RunProgram(const Big5& file, const Big5& parameters, const Big5& folder, int showCommand) {
    const std::wstring wideFile = WideFromBig5(file);
    const std::wstring wideParameters = WideFromBig5(parameters);
    const std::wstring wideFolder = WideFromBig5(folder);
    const HINSTANCE result =
        ShellExecuteW(nullptr, L"open", wideFile.c_str(), OrNull(wideParameters), OrNull(wideFolder), showCommand);
    return reinterpret_cast<INT_PTR>(result);
}

StartedProgram WindowsMachine::StartProgram(const Big5& file, const Big5& parameters, const Big5& folder,
                                            int showCommand) {
    const std::wstring wideFile = WideFromBig5(file);
    const std::wstring wideParameters = WideFromBig5(parameters);
    const std::wstring wideFolder = WideFromBig5(folder);
    SHELLEXECUTEINFOW start{};
    start.cbSize = sizeof start;
    // As ShellExecuteW: no error box of the shell's own, the caller reports.
    start.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    start.lpVerb = L"open";
    start.lpFile = wideFile.c_str();
    start.lpParameters = OrNull(wideParameters);
    start.lpDirectory = OrNull(wideFolder);
    start.nShow = showCommand;
    StartedProgram started;
    const bool ok = ShellExecuteExW(&start) != FALSE;
    started.process.Reset(start.hProcess);
    const long long code = reinterpret_cast<INT_PTR>(start.hInstApp);
    // Success with a code of 32 or less would read as a failure.
    started.result = ok ? std::max<long long>(code, 33) : std::min<long long>(code, 32);
    return started;
}

long long WindowsMachine::OpenWebPage(const Big5& address, int showCommand) {
    // The address itself: the shell hands it to the default browser.
    const std::wstring wideAddress = WideFromBig5(address);
    const HINSTANCE result = ShellExecuteW(nullptr, L"open", wideAddress.c_str(), nullptr, nullptr, showCommand);
    return reinterpret_cast<INT_PTR>(result);
}

bool WindowsMachine::TakeForeground(HWND window) { return SetForegroundWindow(window) != FALSE; }

bool WindowsMachine::IsForeground(HWND window) { return window != nullptr && GetForegroundWindow() == window; }

bool WindowsMachine::AllowMessageFromAnyLevel(HWND window, UINT message) {
    return ChangeWindowMessageFilterEx(window, message, MSGFLT_ALLOW, nullptr) != FALSE;
}

}  // namespace corvina
