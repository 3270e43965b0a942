// The longest stall of another program's message loop, seen from outside:
// sends WM_NULL to the menu's window again and again for a while and prints
// the longest wait for an answer, in milliseconds. Writes "ready" to the
// report file when it has found the window, so that the caller knows when
// to start, and the longest wait when done. Run it on the menu's desktop.
//   stall_probe <window class> <milliseconds> <report file>

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

int wmain(int argc, wchar_t** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: stall_probe <window class> <milliseconds> <report file>\n");
        return 2;
    }
    FILE* report = _wfopen(argv[3], L"w");
    if (report == nullptr) return 2;
    const std::wstring windowClass = argv[1];
    const int duration = _wtoi(argv[2]);
    HWND window = nullptr;
    for (int i = 0; i < 500 && window == nullptr; ++i) {
        window = FindWindowW(windowClass.c_str(), nullptr);
        if (window == nullptr) Sleep(20);
    }
    if (window == nullptr) {
        std::fprintf(report, "no window of that class\n");
        std::fclose(report);
        return 1;
    }
    std::fprintf(report, "ready\n");
    std::fflush(report);
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
    std::fprintf(report, "longest %.1f ms over %d answers\n", longest, answers);
    std::fclose(report);
    return 0;
}
