#pragma once
// Other programs under test: starting them, waiting for them with this
// thread's messages flowing (they may send to our windows meanwhile), and
// finding their windows.

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sys/win32/handles.h"

namespace corvina::test {

// A Unix path from the build, as a Windows program under Wine reaches it.
std::wstring WinePath(std::string_view unixPath);

class ChildProcess {
public:
    // Starts `program` with `arguments` in `currentFolder` (empty: this
    // process's); its standard output is captured.
    ChildProcess(const std::wstring& program, const std::wstring& arguments, const std::wstring& currentFolder = {});
    // A child still running when the test ends is terminated.
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    DWORD Id() const { return id_; }
    // The exit code, or nothing when `timeoutMs` passed first. `onTick`
    // runs every few milliseconds while waiting.
    std::optional<DWORD> WaitForExit(DWORD timeoutMs, const std::function<void()>& onTick = {});
    // Everything the child wrote; call after it ended (a pipe holds only a
    // few kilobytes, enough for the short reports of our helpers).
    std::string Output();

private:
    win32::ScopedHandle process_;
    win32::ScopedHandle output_;
    DWORD id_ = 0;
};

// Pumps this thread's messages until `done` answers true; false on timeout.
bool PumpUntil(DWORD timeoutMs, const std::function<bool()>& done);

// A window's class name and title.
std::wstring ClassOf(HWND window);
std::wstring TitleOf(HWND window);

// Top-level windows of process `processId`, in z-order.
std::vector<HWND> TopLevelWindowsOf(DWORD processId);

}  // namespace corvina::test
