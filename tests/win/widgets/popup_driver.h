#pragma once
// Drives a modal popup from inside its run: a timer finds the open box of
// a window class and hands it to the test's steps, one per tick, until the
// steps are done or the box is gone.

#include <windows.h>

#include <functional>
#include <utility>
#include <vector>

#include "sys/edge_rect.h"
#include "sys/geometry.h"
#include "ui/timer.h"
#include "ui/win_control.h"

namespace corvina::test {

template <typename Box>
Box* OpenBox(const wchar_t* className) {
    const HWND window = FindWindowW(className, nullptr);
    return window ? dynamic_cast<Box*>(ui::WinControl::FromHandle(window)) : nullptr;
}

// Each step runs on a tick with the open box; one that answers false runs
// again on the next tick.
template <typename Box>
class BoxDriver {
public:
    using Step = std::function<bool(Box& box)>;
    BoxDriver(const wchar_t* className, std::vector<Step> steps) : steps_(std::move(steps)), timer_(20) {
        timer_.OnTimer = [this, className](ui::Timer&) {
            Box* box = OpenBox<Box>(className);
            if (box == nullptr || next_ >= steps_.size()) return;
            if (steps_[next_](*box)) ++next_;
        };
    }
    std::size_t StepsDone() const { return next_; }

private:
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    ui::Timer timer_;
};

inline void PutCursor(Point at) { SetCursorPos(at.x, at.y); }

inline EdgeRect ScreenEdges(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.left, r.top, r.right, r.bottom};
}

}  // namespace corvina::test
