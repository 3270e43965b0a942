#include "sys/win32/menu_watch_link.h"

#include <array>
#include <cstdint>
#include <string>

#include "sys/text.h"

namespace corvina {

namespace {

// Window handles are the same in every process of the session; the layout
// is fixed so that a menu and a watch of other builds still agree.
struct SharedTakenWindow {
    std::uint64_t window;
    std::uint64_t parent;
    std::int64_t style;
    std::int64_t exStyle;
    std::int32_t left, top, right, bottom;
};

std::uint64_t HandleBits(HWND window) { return reinterpret_cast<std::uintptr_t>(window); }
HWND WindowOf(std::uint64_t bits) { return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(bits)); }

SharedTakenWindow Shared(const TakenWindow* taken) {
    if (taken == nullptr) return {};
    return {HandleBits(taken->window), HandleBits(taken->parent), taken->style,        taken->exStyle,
            taken->bounds.left,        taken->bounds.top,         taken->bounds.right, taken->bounds.bottom};
}

// Fixed layout, as above. `written` is the watch's answer.
struct SharedCrashReport {
    std::uint32_t processId;
    std::uint32_t threadId;
    std::uint64_t exception;
    std::uint32_t written;
};

}  // namespace

void PublishTakenDesktop(const TakenWindow* taken) noexcept {
    const win32::ScopedHandle mapping(OpenFileMappingW(FILE_MAP_WRITE, FALSE, kTakenDesktopName));
    if (!mapping) return;
    const win32::ScopedMapView view(MapViewOfFile(mapping.Get(), FILE_MAP_WRITE, 0, 0, sizeof(SharedTakenWindow)));
    if (!view) return;
    *static_cast<SharedTakenWindow*>(view.Get()) = Shared(taken);
}

TakenDesktopStore::TakenDesktopStore()
    : mapping_(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(SharedTakenWindow),
                                  kTakenDesktopName)) {
    if (mapping_) view_.Reset(MapViewOfFile(mapping_.Get(), FILE_MAP_WRITE, 0, 0, sizeof(SharedTakenWindow)));
}

std::optional<TakenWindow> TakenDesktopStore::Take() noexcept {
    if (!view_) return std::nullopt;
    auto& shared = *static_cast<SharedTakenWindow*>(view_.Get());
    const SharedTakenWindow found = shared;
    shared = {};
    if (found.window == 0) return std::nullopt;
    return TakenWindow{WindowOf(found.window), WindowOf(found.parent), static_cast<LONG_PTR>(found.style),
                       static_cast<LONG_PTR>(found.exStyle), RECT{found.left, found.top, found.right, found.bottom}};
}

bool AskWatchForDump(EXCEPTION_POINTERS* exception, DWORD waitMs) noexcept {
    const win32::ScopedHandle mapping(OpenFileMappingW(FILE_MAP_WRITE, FALSE, kCrashReportName));
    const win32::ScopedHandle crashed(OpenEventW(EVENT_MODIFY_STATE, FALSE, kCrashedEventName));
    const win32::ScopedHandle done(OpenEventW(SYNCHRONIZE | EVENT_MODIFY_STATE, FALSE, kDumpDoneEventName));
    if (!mapping || !crashed || !done) return false;
    const win32::ScopedMapView view(MapViewOfFile(mapping.Get(), FILE_MAP_WRITE, 0, 0, sizeof(SharedCrashReport)));
    if (!view) return false;
    auto& shared = *static_cast<SharedCrashReport*>(view.Get());
    shared = {GetCurrentProcessId(), GetCurrentThreadId(), reinterpret_cast<std::uintptr_t>(exception), 0};
    // An answer left over from an earlier menu that asked too late.
    ResetEvent(done.Get());
    if (!SetEvent(crashed.Get())) return false;
    return WaitForSingleObject(done.Get(), waitMs) == WAIT_OBJECT_0 && shared.written != 0;
}

CrashReportStore::CrashReportStore()
    : mapping_(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(SharedCrashReport),
                                  kCrashReportName)),
      crashed_(CreateEventW(nullptr, FALSE, FALSE, kCrashedEventName)),
      done_(CreateEventW(nullptr, FALSE, FALSE, kDumpDoneEventName)) {
    if (mapping_) view_.Reset(MapViewOfFile(mapping_.Get(), FILE_MAP_WRITE, 0, 0, sizeof(SharedCrashReport)));
    if (!view_ || !done_) crashed_.Reset();
}

CrashReport CrashReportStore::Read() const noexcept {
    if (!view_) return {};
    const auto& shared = *static_cast<const SharedCrashReport*>(view_.Get());
    return {shared.processId, shared.threadId, shared.exception};
}

void CrashReportStore::Answer(bool written) noexcept {
    if (!view_ || !done_) return;
    static_cast<SharedCrashReport*>(view_.Get())->written = written ? 1 : 0;
    SetEvent(done_.Get());
}

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
