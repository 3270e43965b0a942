#include "sys/win32/machine.h"

#include <shellapi.h>

#include <string>

#include "sys/text.h"

namespace corvina {
namespace {

// ShellExecuteW takes null for an empty text.
const wchar_t* OrNull(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

}  // namespace

void WindowsMachine::ShowTaskbar(bool show) {
    if (HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr)) {
        ShowWindow(taskbar, show ? SW_RESTORE : SW_HIDE);
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
        return;
    }
    HWND expected = window;
    if (taken_.compare_exchange_strong(expected, nullptr)) {
        GiveBack(record_);
    } else {
        SetParent(window, nullptr);
    }
}

void WindowsMachine::GiveBackAfterCrash() noexcept {
    // Nothing here waits on a window of this process: the taken window is
    // the shell's, and so is its parent.
    if (HWND taken = taken_.exchange(nullptr); taken != nullptr) GiveBack(record_);
    // Posted: the shell shows it even after this process has gone.
    if (HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr)) ShowWindowAsync(taskbar, SW_RESTORE);
}

void WindowsMachine::SetClock(const SYSTEMTIME& localTime) { SetLocalTime(&localTime); }

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
