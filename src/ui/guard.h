#pragma once
// Every call into an event handler goes through Guarded: an exception
// abandons that handler only and is shown by the application's error report.

#include <utility>

namespace corvina::ui {

// Shows the exception being handled (call inside a catch block).
void ReportCurrentException() noexcept;

template <typename Action>
void Guarded(Action&& action) noexcept {
    try {
        std::forward<Action>(action)();
    } catch (...) {
        ReportCurrentException();
    }
}

// Calls the handler with the arguments when one is set.
template <typename Event, typename... Args>
void Fire(const Event& event, Args&&... args) noexcept {
    if (event) Guarded([&] { event(std::forward<Args>(args)...); });
}

}  // namespace corvina::ui
