#include "sys/win32/menu_watch_link.h"

#include <array>
#include <string>

#include "sys/text.h"

namespace corvina {

void MenuWatchLink::Keep(const AccessibilityFlags& accessibility) noexcept {
    // Made before the watch starts, so that an exit at once is still seen
    // as proper; a restarted menu opens the watch's own.
    if (!properExit_) properExit_.Reset(CreateEventW(nullptr, TRUE, FALSE, kProperExitEventName));
    if (!properExit_) return;
    if (const win32::ScopedHandle running(OpenMutexW(SYNCHRONIZE, FALSE, kWatchMutexName)); running) return;
    // Left set by a menu whose watch has not quite ended yet.
    ResetEvent(properExit_.Get());

    std::array<wchar_t, 32768> program{};
    const DWORD length = GetModuleFileNameW(nullptr, program.data(), static_cast<DWORD>(program.size()));
    if (length == 0 || length >= program.size()) return;
    std::wstring commandLine = L"\"" + std::wstring(program.data(), length) + L"\"";
    for (const std::string& argument : WatchCommandLine({GetCurrentProcessId(), accessibility})) {
        commandLine += L" " + WideFromBig5(argument);
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(program.data(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &process)) {
        const win32::ScopedHandle thread(process.hThread);
        const win32::ScopedHandle started(process.hProcess);
    }
}

void MenuWatchLink::ProperExit() noexcept {
    // A menu restarted by a watch whose settings no longer lock it down
    // still ends its watch.
    if (!properExit_) properExit_.Reset(OpenEventW(EVENT_MODIFY_STATE, FALSE, kProperExitEventName));
    if (properExit_) SetEvent(properExit_.Get());
}

CopyingMark::CopyingMark() noexcept : event_(CreateEventW(nullptr, TRUE, FALSE, kCopyingEventName)) {
    if (event_) SetEvent(event_.Get());
}

CopyingMark::~CopyingMark() {
    if (event_) ResetEvent(event_.Get());
}

}  // namespace corvina
