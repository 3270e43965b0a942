// The longest stall of another program's message loop, seen from outside:
// sends WM_NULL to the menu's window again and again for a while and prints
// the longest wait for an answer, in milliseconds. Prints "ready" when it
// has found the window, so that the caller knows when to start.
//   stall_probe <window class> <milliseconds>

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: stall_probe <window class> <milliseconds>\n");
        return 2;
    }
    const std::wstring windowClass = argv[1];
    const int duration = _wtoi(argv[2]);
    HWND window = nullptr;
    for (int i = 0; i < 500 && window == nullptr; ++i) {
        window = FindWindowW(windowClass.c_str(), nullptr);
        if (window == nullptr) Sleep(20);
    }
    if (window == nullptr) {
        std::fprintf(stderr, "no window of that class\n");
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    using Clock = std::chrono::steady_clock;
    const auto end = Clock::now() + std::chrono::milliseconds(duration);
    double longest = 0;
    int answers = 0;
    while (Clock::now() < end) {
        const auto sent = Clock::now();
        DWORD_PTR result = 0;
        if (SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result) == 0) break;
        const double waited = std::chrono::duration<double, std::milli>(Clock::now() - sent).count();
        if (waited > longest) longest = waited;
        ++answers;
        Sleep(1);
    }
    std::printf("longest %.1f ms over %d answers\n", longest, answers);
    return 0;
}
