#include "sys/folder_probe.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

#include "sys/files.h"

namespace corvina {

namespace {

// Shared by the asking thread and the probe, whichever ends last frees it.
struct ProbeState {
    std::mutex mutex;
    std::condition_variable answered;
    std::optional<bool> exists;
};

}  // namespace

FolderProbe ProbeWithDeadline(std::function<bool()> exists, std::chrono::milliseconds deadline) {
    auto state = std::make_shared<ProbeState>();
    std::thread([state, exists = std::move(exists)] {
        bool found = false;
        try {
            found = exists();
        } catch (...) {
            found = false;
        }
        const std::lock_guard lock(state->mutex);
        state->exists = found;
        state->answered.notify_all();
    }).detach();
    std::unique_lock lock(state->mutex);
    if (!state->answered.wait_for(lock, deadline, [&] { return state->exists.has_value(); })) {
        return FolderProbe::NoAnswer;
    }
    return *state->exists ? FolderProbe::Reachable : FolderProbe::Missing;
}

FolderProbe ProbeFolder(const Big5& folder, std::chrono::milliseconds deadline) {
    return ProbeWithDeadline([folder] { return FolderExists(folder); }, deadline);
}

}  // namespace corvina
