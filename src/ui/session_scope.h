#pragma once
// What belongs to the customer's session and ends with it. Windows he may
// have left open register a closer and are closed when the session ends;
// work that must not be cut halfway (a copy to the record store) holds a
// guard, and the session's end waits until it is done. One scope per user
// interface thread, owned by the application.

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace corvina::ui {

class SessionScope {
public:
    SessionScope() = default;
    SessionScope(const SessionScope&) = delete;
    SessionScope& operator=(const SessionScope&) = delete;

    // Calls every registered closer, newest first, each once; a window
    // registered while this runs is closed too.
    void CloseWindows();
    // True while a SessionWork guard is alive.
    bool WorkRunning() const { return workCount_ > 0; }
    // Runs `then` now when no work runs, else once the last guard goes.
    void WhenWorkDone(std::function<void()> then);

private:
    friend class SessionWindow;
    friend class SessionWork;

    std::uint64_t Register(std::function<void()> close);
    void Unregister(std::uint64_t id);
    void WorkEnded();

    std::vector<std::pair<std::uint64_t, std::function<void()>>> closers_;
    std::uint64_t nextId_ = 1;
    int workCount_ = 0;
    std::vector<std::function<void()>> whenDone_;
};

// The scope of the live application; nothing when there is none (tests of
// a single window).
SessionScope* CurrentSessionScope() noexcept;

// While alive, `close` runs when the session ends. Move-free: keep it as a
// member of the window it closes.
class SessionWindow {
public:
    explicit SessionWindow(std::function<void()> close);
    ~SessionWindow();
    SessionWindow(const SessionWindow&) = delete;
    SessionWindow& operator=(const SessionWindow&) = delete;

private:
    SessionScope* scope_;
    std::uint64_t id_ = 0;
};

// Held while work that must not be cut runs; the session's end waits for it.
class SessionWork {
public:
    SessionWork();
    ~SessionWork();
    SessionWork(const SessionWork&) = delete;
    SessionWork& operator=(const SessionWork&) = delete;

private:
    SessionScope* scope_;
};

}  // namespace corvina::ui
