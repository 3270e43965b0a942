#include "ui/mouse_router.h"

#include "ui/application.h"
#include "ui/guard.h"
#include "ui/win_control.h"

namespace corvina::ui {

namespace {

Point Inside(const Control& target, const WinControl& host, Point point) {
    if (&target == &host) return point;
    return {point.x - target.Left(), point.y - target.Top()};
}

bool InClient(const WinControl& host, Point point) {
    return point.x >= 0 && point.y >= 0 && point.x < host.ClientWidth() && point.y < host.ClientHeight();
}

}  // namespace

Control* MouseRouter::TargetAt(Point point) const {
    if (Control* child = host_.GraphicChildAt(point)) return child;
    return &host_;
}

void MouseRouter::TrackLeave() {
    if (tracking_) return;
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof track;
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = host_.Handle();
    tracking_ = TrackMouseEvent(&track) != FALSE;
}

void MouseRouter::SetHover(Control* target) {
    if (target == hover_) return;
    Control* old = hover_;
    hover_ = target;
    if (Application* application = Application::Current()) application->PointerOn(target);
    if (old) Guarded([&] { old->MouseLeft(*old); });
    if (target && hover_ == target) Guarded([&] { target->MouseEntered(*target); });
}

void MouseRouter::Move(ShiftState shift, Point point) {
    TrackLeave();
    if (!pressed_) SetHover(TargetAt(point));
    Control* target = pressed_ ? pressed_ : TargetAt(point);
    const Point local = Inside(*target, host_, point);
    Guarded([&] { target->MouseMove(shift, local.x, local.y); });
}

void MouseRouter::Down(MouseButton button, ShiftState shift, Point point, bool doubleClick) {
    if (Application* application = Application::Current()) application->PointerPressed();
    Control* target = pressed_ ? pressed_ : TargetAt(point);
    current_ = target;
    const Point local = Inside(*target, host_, point);
    // The left button owns the mouse until it comes up; only a single press can click.
    if (routeClicks_ && button == MouseButton::Left) {
        pressed_ = target;
        clicked_ = !doubleClick;
        SetCapture(host_.Handle());
    }
    if (doubleClick) {
        shift.doubleClick = true;
        Guarded([&] { target->DblClick(); });
    }
    if (Alive(target)) Guarded([&] { target->MouseDown(button, shift, local.x, local.y); });
    current_ = nullptr;
}

void MouseRouter::Up(MouseButton button, ShiftState shift, Point point) {
    Control* target = pressed_ ? pressed_ : TargetAt(point);
    current_ = target;
    const Point local = Inside(*target, host_, point);
    bool click = false;
    if (button == MouseButton::Left && pressed_) {
        click = clicked_ && TargetAt(point) == target;
        pressed_ = nullptr;
        clicked_ = false;
        if (GetCapture() == host_.Handle()) ReleaseCapture();
    }
    if (click) Guarded([&] { target->Click(); });
    if (Alive(target)) Guarded([&] { target->MouseUp(button, shift, local.x, local.y); });
    current_ = nullptr;
    if (!pressed_) SetHover(InClient(host_, point) ? TargetAt(point) : nullptr);
}

void MouseRouter::Left() {
    tracking_ = false;
    if (!pressed_) SetHover(nullptr);
}

void MouseRouter::CaptureLost() {
    pressed_ = nullptr;
    clicked_ = false;
}

void MouseRouter::Forget(const Control& control) {
    if (hover_ == &control) hover_ = nullptr;
    if (pressed_ == &control) {
        pressed_ = nullptr;
        clicked_ = false;
    }
    if (current_ == &control) current_ = nullptr;
}

}  // namespace corvina::ui
