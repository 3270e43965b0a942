#pragma once
// A window timer: OnTimer every Interval milliseconds while Enabled. It runs
// on the application window and stops when the object goes.

#include <windows.h>

#include <functional>

namespace corvina::ui {

class Timer {
public:
    // Enabled with an interval of one second, as classic timers start.
    Timer();
    explicit Timer(unsigned interval, bool enabled = true);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned interval);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Running() const { return id_ != 0; }

    std::function<void(Timer& sender)> OnTimer;

private:
    friend class Application;
    void Update();
    void Stop();
    void Tick();

    unsigned interval_;
    bool enabled_;
    UINT_PTR id_ = 0;
};

}  // namespace corvina::ui
