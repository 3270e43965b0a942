#pragma once
// The mouse inside one windowed control: which control is under the pointer
// (the window's own surface or a windowless child), enter and leave as the
// pointer moves, capture while a button is down, and the click, which needs
// the press and the release over the same control.

#include <windows.h>

#include "sys/geometry.h"
#include "ui/input.h"

namespace corvina::ui {

class Control;
class WinControl;

class MouseRouter {
public:
    // A system control clicks by itself: `routeClicks` false only reports.
    MouseRouter(WinControl& host, bool routeClicks) : host_(host), routeClicks_(routeClicks) {}
    MouseRouter(const MouseRouter&) = delete;
    MouseRouter& operator=(const MouseRouter&) = delete;

    void Move(ShiftState shift, Point point);
    void Down(MouseButton button, ShiftState shift, Point point, bool doubleClick);
    void Up(MouseButton button, ShiftState shift, Point point);
    // WM_MOUSELEAVE: the pointer left the window.
    void Left();
    // Someone else took the capture.
    void CaptureLost();
    // A control is going away.
    void Forget(const Control& control);

    Control* Hover() const { return hover_; }
    Control* Pressed() const { return pressed_; }

private:
    Control* TargetAt(Point point) const;
    void SetHover(Control* target);
    void TrackLeave();
    // Still alive after calling out to handlers.
    bool Alive(const Control* control) const { return control == current_; }

    WinControl& host_;
    bool routeClicks_;
    Control* hover_ = nullptr;
    Control* pressed_ = nullptr;
    Control* current_ = nullptr;
    bool clicked_ = false;
    bool tracking_ = false;
};

}  // namespace corvina::ui
