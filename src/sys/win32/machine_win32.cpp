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
    if (IsWindow(window)) SetParent(window, parent);
}

void WindowsMachine::SetClock(const SYSTEMTIME& localTime) { SetLocalTime(&localTime); }

ScreenModeChange WindowsMachine::ChangeScreenMode(int width, int height, int bitsPerPixel, bool setBits) {
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    if (!EnumDisplaySettingsW(nullptr, 0, &mode)) return ScreenModeChange::SettingsUnread;
    mode.dmPelsWidth = static_cast<DWORD>(width);
    mode.dmPelsHeight = static_cast<DWORD>(height);
    if (setBits) mode.dmBitsPerPel = static_cast<DWORD>(bitsPerPixel);
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL;
    return ChangeDisplaySettingsW(&mode, CDS_UPDATEREGISTRY) == DISP_CHANGE_RESTART ? ScreenModeChange::RestartNeeded
                                                                                    : ScreenModeChange::Done;
}

long long WindowsMachine::RunProgram(const Big5& file, const Big5& parameters, const Big5& folder, int showCommand) {
    const std::wstring wideFile = WideFromBig5(file);
    const std::wstring wideParameters = WideFromBig5(parameters);
    const std::wstring wideFolder = WideFromBig5(folder);
    const HINSTANCE result = ShellExecuteW(nullptr, L"open", wideFile.c_str(), OrNull(wideParameters),
                                           OrNull(wideFolder), showCommand);
    return reinterpret_cast<INT_PTR>(result);
}

void WindowsMachine::OpenWebPage(const Big5& address, int showCommand) {
    const std::wstring wideAddress = WideFromBig5(address);
    ShellExecuteW(nullptr, L"open", L"IEXPLORE", wideAddress.c_str(), nullptr, showCommand);
}

}  // namespace corvina
