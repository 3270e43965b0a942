// Start-up and shutdown, for now with one empty full-screen window; the
// window framework takes over the windows and the loop.

#include <windows.h>

#include <exception>
#include <stdexcept>

#include "app/instance.h"
#include "sys/text.h"
#include "sys/win32/handles.h"

namespace {

using corvina::win32::OwnedWindow;

constexpr wchar_t kApplicationClass[] = L"Corvina2Application";
constexpr wchar_t kMenuClass[] = L"TfSmenu";

void ReportError(const char* what) noexcept {
    try {
        MessageBoxW(nullptr, corvina::WideFromBig5(what).c_str(), L"Corvina2", MB_OK | MB_ICONERROR);
    } catch (...) {
        MessageBoxW(nullptr, L"Unexpected error", L"Corvina2", MB_OK | MB_ICONERROR);
    }
}

LRESULT HandleMenuMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        // The window dies with its owner object after the loop, not here.
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// No exception may cross back into Windows.
template <LRESULT (*Handle)(HWND, UINT, WPARAM, LPARAM)>
LRESULT CALLBACK GuardedProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    try {
        return Handle(window, message, wParam, lParam);
    } catch (const std::exception& e) {
        ReportError(e.what());
    } catch (...) {
        ReportError("Unexpected error");
    }
    return 0;
}

void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = name;
    if (RegisterClassExW(&windowClass) == 0) throw std::runtime_error("cannot register a window class");
}

OwnedWindow CreateOwnedWindow(HINSTANCE instance, const wchar_t* className, const wchar_t* title, DWORD style,
                              const RECT& bounds, HWND owner) {
    OwnedWindow window(CreateWindowExW(0, className, title, style, bounds.left, bounds.top, bounds.right - bounds.left,
                                       bounds.bottom - bounds.top, owner, nullptr, instance, nullptr));
    if (!window) throw std::runtime_error("cannot create a window");
    return window;
}

RECT PrimaryWorkArea() {
    RECT area{};
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0)) {
        area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    }
    return area;
}

// Whatever ends the run after a successful claim, the marker goes.
struct InstanceRelease {
    InstanceRelease() = default;
    InstanceRelease(const InstanceRelease&) = delete;
    InstanceRelease& operator=(const InstanceRelease&) = delete;
    ~InstanceRelease() { corvina::ReleaseInstance(); }
};

void RunMessageLoop() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

int Run(HINSTANCE instance) {
    RegisterWindowClass(instance, kApplicationClass, DefWindowProcW);
    RegisterWindowClass(instance, kMenuClass, GuardedProc<HandleMenuMessage>);

    // Hidden owner of every form; its handle is what the marker stores.
    const OwnedWindow application = CreateOwnedWindow(
        instance, kApplicationClass, L"Corvina2", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, RECT{}, nullptr);
    corvina::SetInstanceWindow(application.Get());
    if (!corvina::ClaimInstance("Corvina2", true)) return 0;
    const InstanceRelease release;

    const OwnedWindow menu =
        CreateOwnedWindow(instance, kMenuClass, L"Corvina", WS_POPUP, PrimaryWorkArea(), application.Get());
    ShowWindow(menu.Get(), SW_SHOW);
    SetForegroundWindow(menu.Get());
    RunMessageLoop();
    return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    try {
        return Run(instance);
    } catch (const std::exception& e) {
        ReportError(e.what());
    } catch (...) {
        ReportError("Unexpected error");
    }
    return 1;
}
