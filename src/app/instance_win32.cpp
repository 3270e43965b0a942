#include "app/instance.h"

#include <cstring>
#include <utility>

#include "sys/text.h"

namespace corvina {

namespace {

constexpr DWORD kBlockSize = sizeof(std::uint32_t);

// The one process-wide state of the marker.
struct InstanceState {
    HWND window = nullptr;
    InstanceMarker marker;
};

InstanceState& State() {
    static InstanceState state;
    return state;
}

std::optional<HWND> ReadStoredWindow(HANDLE block) {
    const win32::ScopedMapView view(MapViewOfFile(block, FILE_MAP_ALL_ACCESS, 0, 0, kBlockSize));
    if (!view) return std::nullopt;
    std::uint32_t bits = 0;
    std::memcpy(&bits, view.Get(), sizeof bits);
    return HandleFromBits(bits);
}

}  // namespace

std::uint32_t HandleBits(HWND window) { return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window)); }

HWND HandleFromBits(std::uint32_t bits) {
    // Sign-extended, as LongToHandle does.
    return reinterpret_cast<HWND>(static_cast<std::intptr_t>(static_cast<std::int32_t>(bits)));
}

std::optional<HWND> RunningInstanceWindow(const Big5& name) {
    const win32::ScopedHandle block(OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, WideFromBig5(name).c_str()));
    if (!block) return std::nullopt;
    return ReadStoredWindow(block.Get());
}

InstanceClaim ClaimInstanceName(const Big5& name, HWND window) {
    const std::wstring wideName = WideFromBig5(name);
    InstanceClaim claim;

    if (win32::ScopedHandle probe(OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, wideName.c_str())); probe) {
        probe.Reset();
        const win32::ScopedHandle block(OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, wideName.c_str()));
        if (block) claim.running = ReadStoredWindow(block.Get());
        return claim;
    } else if (GetLastError() == ERROR_ACCESS_DENIED) {
        // Made by a menu with other rights (elevated, say): it runs all the same.
        return claim;
    }

    HANDLE created = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kBlockSize, wideName.c_str());
    const DWORD error = GetLastError();
    win32::ScopedHandle block(created);
    if (block && error == ERROR_ALREADY_EXISTS) {
        // Another start made it between our probe and now; that one is first.
        claim.running = ReadStoredWindow(block.Get());
        return claim;
    }
    if (!block && error == ERROR_ACCESS_DENIED) return claim;

    claim.first = true;
    if (!block) return claim;
    win32::ScopedMapView view(MapViewOfFile(block.Get(), FILE_MAP_ALL_ACCESS, 0, 0, kBlockSize));
    if (view) {
        const std::uint32_t bits = HandleBits(window);
        std::memcpy(view.Get(), &bits, sizeof bits);
    }
    // Kept even unmapped: the name alone still stops a second start.
    claim.marker = InstanceMarker{std::move(block), std::move(view)};
    return claim;
}

void ActivateRunningInstance(HWND window) {
    // The block may hold nothing yet, or the handle of an instance that crashed.
    if (window == nullptr || !IsWindow(window)) return;
    // The user started us: let the running instance take the front for
    // the window it chooses to show (its main form, not its hidden window).
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    AllowSetForegroundWindow(processId);
    if (IsIconic(window)) {
        ShowWindow(window, SW_RESTORE);
    } else {
        SetForegroundWindow(window);
    }
}

void SetInstanceWindow(HWND window) { State().window = window; }

bool ClaimInstance(const Big5& name, bool activate) {
    InstanceState& state = State();
    InstanceClaim claim = ClaimInstanceName(name, state.window);
    if (!claim.first) {
        if (activate && claim.running) ActivateRunningInstance(*claim.running);
        return false;
    }
    state.marker = std::move(claim.marker);
    return true;
}

void ReleaseInstance() {
    InstanceMarker& marker = State().marker;
    marker.view.Reset();
    marker.block.Reset();
}

}  // namespace corvina
