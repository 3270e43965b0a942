#include "ui/session_scope.h"

#include <algorithm>

#include "ui/application.h"

namespace corvina::ui {

void SessionScope::CloseWindows() {
    // A closer may register or unregister others: take the newest each time.
    std::vector<std::uint64_t> closed;
    for (;;) {
        auto next = std::find_if(closers_.rbegin(), closers_.rend(), [&](const auto& entry) {
            return std::find(closed.begin(), closed.end(), entry.first) == closed.end();
        });
        if (next == closers_.rend()) return;
        closed.push_back(next->first);
        const std::function<void()> close = next->second;
        close();
    }
}

void SessionScope::WhenWorkDone(std::function<void()> then) {
    if (!WorkRunning()) {
        then();
        return;
    }
    whenDone_.push_back(std::move(then));
}

std::uint64_t SessionScope::Register(std::function<void()> close) {
    const std::uint64_t id = nextId_++;
    closers_.emplace_back(id, std::move(close));
    return id;
}

void SessionScope::Unregister(std::uint64_t id) {
    std::erase_if(closers_, [id](const auto& entry) { return entry.first == id; });
}

void SessionScope::WorkEnded() {
    if (--workCount_ > 0) return;
    std::vector<std::function<void()>> waiting = std::move(whenDone_);
    whenDone_.clear();
    for (auto& then : waiting) then();
}

SessionScope* CurrentSessionScope() noexcept {
    Application* application = Application::Current();
    return application ? &application->Session() : nullptr;
}

SessionWindow::SessionWindow(std::function<void()> close) : scope_(CurrentSessionScope()) {
    if (scope_) id_ = scope_->Register(std::move(close));
}

SessionWindow::~SessionWindow() {
    if (scope_) scope_->Unregister(id_);
}

SessionWork::SessionWork() : scope_(CurrentSessionScope()) {
    if (scope_) ++scope_->workCount_;
}

SessionWork::~SessionWork() {
    if (scope_) scope_->WorkEnded();
}

}  // namespace corvina::ui
