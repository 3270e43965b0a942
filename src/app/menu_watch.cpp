#include "app/menu_watch.h"

#include <windows.h>

#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>

#include "app/instance.h"
#include "sys/admin_log.h"
#include "sys/crash_line.h"
#include "sys/text.h"
#include "sys/win32/accessibility_shortcuts.h"
#include "sys/win32/crash_dump.h"
#include "sys/win32/handles.h"
#include "sys/win32/local_time.h"
#include "sys/win32/lock_down_thread.h"
#include "sys/win32/menu_watch_link.h"

namespace corvina {
namespace {

// How often the watch asks the menu's window, and how long it waits for
// the answer each time.
constexpr DWORD kAskEveryMs = 2000;
constexpr UINT kAnswerWithinMs = 2000;
// The exit status the watch gives a menu it ends for hanging.
constexpr UINT kHungExitCode = 0xC0DE0001;

// What the menu's process may be asked: to wait on, to end, and (for a
// crash dump of a hung menu, written before it is ended) to read.
constexpr DWORD kMenuAccess = SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_INFORMATION | PROCESS_VM_READ;

enum class MenuEnd { Ended, Hung };

bool IsSet(const win32::ScopedHandle& event) { return event && WaitForSingleObject(event.Get(), 0) == WAIT_OBJECT_0; }

bool Copying() {
    const win32::ScopedHandle copying(OpenEventW(SYNCHRONIZE, FALSE, kCopyingEventName));
    return IsSet(copying);
}

// Whether the menu's window answers now. A menu whose window is not up yet
// (starting, or between windows) counts as answering.
bool MenuAnswers() {
    const std::optional<HWND> window = RunningInstanceWindow("Corvina2");
    if (!window || *window == nullptr || !IsWindow(*window)) return true;
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(*window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kAnswerWithinMs, &result) != 0;
}

// The dump of the watched menu, from outside it.
class MenuDumps {
public:
    explicit MenuDumps(const Big5& programFolder) : path_(WideFromBig5(programFolder + Big5(kCrashDumpName))) {}

    HANDLE Requests() const noexcept { return requests_.Crashed(); }
    // A crashed menu's request; one of another process is answered "no".
    void AnswerRequest(HANDLE menu) noexcept {
        const CrashReport report = requests_.Read();
        bool written = false;
        if (report.processId == GetProcessId(menu)) {
            written = writer_.Write(
                menu, path_, report.threadId,
                reinterpret_cast<EXCEPTION_POINTERS*>(static_cast<std::uintptr_t>(report.exception)), true);
        }
        written_ |= written;
        requests_.Answer(written);
    }
    void OfHungMenu(HANDLE menu) noexcept { written_ |= writer_.Write(menu, path_, 0, nullptr, false); }
    // Whether a dump was written since the last call.
    bool TakeWritten() noexcept { return std::exchange(written_, false); }

private:
    std::wstring path_;
    MiniDumpWriter writer_;
    CrashReportStore requests_;
    bool written_ = false;
};

// Until the menu ends, or its window has not answered for kHangMs while
// no copy ran. A crashing menu's request for its dump is answered meanwhile.
MenuEnd WaitForMenu(HANDLE menu, MenuDumps& dumps) {
    ULONGLONG lastAnswer = GetTickCount64();
    const std::array<HANDLE, 2> waits{menu, dumps.Requests()};
    const DWORD waitCount = waits[1] ? 2 : 1;
    for (;;) {
        const DWORD woken = WaitForMultipleObjects(waitCount, waits.data(), FALSE, kAskEveryMs);
        if (woken == WAIT_OBJECT_0 + 1) {
            dumps.AnswerRequest(menu);
            continue;
        }
        if (woken != WAIT_TIMEOUT) return MenuEnd::Ended;
        if (Copying() || MenuAnswers()) {
            lastAnswer = GetTickCount64();
        } else if (GetTickCount64() - lastAnswer >= kHangMs) {
            // Still running after all that time: it may have ended meanwhile.
            if (WaitForSingleObject(menu, 0) != WAIT_TIMEOUT) return MenuEnd::Ended;
            return MenuEnd::Hung;
        }
    }
}

std::wstring OwnProgram() {
    std::array<wchar_t, 32768> path{};
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    return length > 0 && length < path.size() ? std::wstring(path.data(), length) : std::wstring();
}

// The menu as the autostart starts it: the program's file (after an
// automatic update, the new one) without arguments.
win32::ScopedHandle StartMenu(DWORD& error) {
    const std::wstring program = OwnProgram();
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (program.empty() || !CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                           nullptr, &startup, &process)) {
        error = GetLastError();
        return {};
    }
    const win32::ScopedHandle thread(process.hThread);
    return win32::ScopedHandle(process.hProcess);
}

Big5 Hex(DWORD value) {
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "0x%08lX", static_cast<unsigned long>(value));
    return text.data();
}

}  // namespace

namespace {

// A window of a killed menu is gone, and its children with it when Windows
// takes them along: only a window still there is given back.
void GiveBackTakenWindow(TakenDesktopStore& taken) noexcept {
    if (const std::optional<TakenWindow> window = taken.Take(); window && IsWindow(window->window)) GiveBack(*window);
}

}  // namespace

void GiveBackDesktop(const AccessibilityFlags& accessibility, TakenDesktopStore& taken) noexcept {
    GiveBackTakenWindow(taken);
    ShowEveryTaskbarAsync(true);
    RestoreAccessibilityFlags(accessibility);
}

int RunMenuWatch(const WatchArguments& arguments, const Big5& programFolder) {
    const win32::ScopedHandle watchMutex(CreateMutexW(nullptr, FALSE, kWatchMutexName));
    if (!watchMutex || GetLastError() == ERROR_ALREADY_EXISTS) return 0;
    const win32::ScopedHandle properExit(CreateEventW(nullptr, TRUE, FALSE, kProperExitEventName));
    win32::ScopedHandle menu(OpenProcess(kMenuAccess, FALSE, arguments.menuProcessId));
    if (!menu) menu.Reset(OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, arguments.menuProcessId));
    // Gone before the watch could look: whether properly is not known.
    if (!menu || !properExit) return 0;
    TakenDesktopStore taken;
    MenuDumps dumps(programFolder);
    AdminLog log(programFolder, LocalCalendarNow);
    RestartPolicy policy;
    for (;;) {
        const MenuEnd end = WaitForMenu(menu.Get(), dumps);
        if (IsSet(properExit) || GetSystemMetrics(SM_SHUTTINGDOWN)) return 0;
        Big5 what;
        if (end == MenuEnd::Hung) {
            dumps.OfHungMenu(menu.Get());
            TerminateProcess(menu.Get(), kHungExitCode);
            WaitForSingleObject(menu.Get(), INFINITE);
            what = T(u8"選單程式 60 秒沒有回應，監看程式已將它結束");
        } else {
            DWORD code = 0;
            GetExitCodeProcess(menu.Get(), &code);
            what = T(u8"選單程式意外結束（結束碼 ") + Hex(code) + T(u8"）");
        }
        if (dumps.TakeWritten()) what += T(u8"，監看程式已將它的記憶體傾印寫入 ") + Big5(kCrashDumpName);
        if (!policy.MayRestart(GetTickCount64())) {
            GiveBackDesktop(arguments.accessibility, taken);
            log.Write(what + T(u8"；60 秒內已重新啟動三次，監看程式交還工作列與協助工具快速鍵後停止，不再重新啟動。"));
            return 0;
        }
        // The new menu takes these as the customer's own, and the desktop
        // icons' window from where the shell keeps it.
        RestoreAccessibilityFlags(arguments.accessibility);
        GiveBackTakenWindow(taken);
        ResetEvent(properExit.Get());
        DWORD error = 0;
        menu = StartMenu(error);
        if (!menu) {
            GiveBackDesktop(arguments.accessibility, taken);
            log.Write(what + T(u8"；監看程式無法重新啟動它（Windows 錯誤碼 ") + std::to_string(error) +
                      T(u8"），已交還工作列與協助工具快速鍵並停止。"));
            return 0;
        }
        log.Write(what + T(u8"；監看程式已重新啟動它。"));
    }
}

}  // namespace corvina
