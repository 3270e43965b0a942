// A stand-in for Explorer's desktop windows, in a process of its own as the
// real shell is:
//   shell_stand_in workerw   Windows 10 and 11 after a slideshow or Task
//                            View: an empty Progman and a top-level WorkerW
//                            holding the SHELLDLL_DefView
//   shell_stand_in progman   the view under Progman
// It runs until its Progman is closed or it is ended.

#include <windows.h>

#include <string_view>

namespace {

LRESULT CALLBACK ProgmanProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(window, message, wParam, lParam);
}

void Register(const wchar_t* name, WNDPROC procedure) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = name;
    RegisterClassW(&windowClass);
}

HWND TopLevel(const wchar_t* className, const wchar_t* title) {
    return CreateWindowExW(WS_EX_TOOLWINDOW, className, title, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 400, 300,
                           nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR arguments, int) {
    const std::wstring_view layout(arguments);
    if (layout != L"workerw" && layout != L"progman") return 2;
    Register(L"Progman", ProgmanProcedure);
    Register(L"WorkerW", DefWindowProcW);
    Register(L"SHELLDLL_DefView", DefWindowProcW);
    const HWND progman = TopLevel(L"Progman", L"Program Manager");
    const HWND holder = layout == L"workerw" ? TopLevel(L"WorkerW", L"") : progman;
    if (!progman || !holder) return 1;
    if (!CreateWindowExW(0, L"SHELLDLL_DefView", L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 3, 5,
                         200, 120, holder, nullptr, GetModuleHandleW(nullptr), nullptr)) {
        return 1;
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}
