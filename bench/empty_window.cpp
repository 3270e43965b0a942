// The floor of scripts/bench: the smallest window program of our own that
// covers the screen as the menu does and paints bands of five colours,
// started and timed to its first painted pixels exactly as the menu is.
// Whatever Wine costs to start a program and show a window is in its time.

#include <windows.h>

namespace {

constexpr int kBandWidth = 10;
constexpr COLORREF kBands[] = {RGB(200, 30, 30), RGB(30, 160, 40), RGB(40, 60, 210), RGB(230, 230, 40),
                               RGB(20, 20, 20)};

void PaintBands(HWND window) {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window, &paint);
    RECT client{};
    GetClientRect(window, &client);
    int band = 0;
    for (int x = 0; x < client.right; x += kBandWidth, ++band) {
        HBRUSH brush = CreateSolidBrush(kBands[band % 5]);
        const RECT stripe{x, 0, x + kBandWidth, client.bottom};
        FillRect(dc, &stripe, brush);
        DeleteObject(brush);
    }
    EndPaint(window, &paint);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            PaintBands(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"CorvinaBenchEmpty";
    if (RegisterClassW(&windowClass) == 0) return 1;
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"empty", WS_POPUP | WS_VISIBLE, 0, 0,
                                  GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr,
                                  instance, nullptr);
    if (window == nullptr) return 1;
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
