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
