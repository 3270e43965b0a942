#include "ui/timer.h"

#include "ui/application.h"
#include "ui/guard.h"

namespace corvina::ui {

Timer::Timer() : Timer(1000) {}

Timer::Timer(unsigned interval, bool enabled) : interval_(interval), enabled_(enabled) { Update(); }

Timer::~Timer() { Stop(); }

void Timer::SetInterval(unsigned interval) {
    if (interval == interval_) return;
    interval_ = interval;
    Update();
}

void Timer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Update();
}

void Timer::Stop() {
    if (id_ == 0) return;
    if (Application* application = Application::Current()) application->StopTimer(id_);
    id_ = 0;
}

void Timer::Update() {
    Stop();
    if (enabled_ && interval_ > 0) id_ = Application::Instance().StartTimer(*this, interval_);
}

void Timer::Tick() { Fire(OnTimer, *this); }

}  // namespace corvina::ui
