#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "support/processes.h"
#include "ui/graphic_control.h"
#include "ui/hint_window.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui_fixture.h"

namespace corvina::ui::test {
namespace {

// Writes down every enter and leave it hears, with whose they were.
class RecordingPanel : public Panel {
public:
    explicit RecordingPanel(WinControl& parent, std::vector<std::string>& log) : Panel(parent), log_(log) {}
    void MouseEntered(Control& source) override {
        log_.push_back("panel hears enter of " + Name(source));
        Panel::MouseEntered(source);
    }
    void MouseLeft(Control& source) override {
        log_.push_back("panel hears leave of " + Name(source));
        Panel::MouseLeft(source);
    }

private:
    std::string Name(const Control& control) const { return &control == this ? "panel" : "child"; }
    std::vector<std::string>& log_;
};

class MouseRouting : public UiTest {
protected:
    MouseRouting() : form_(NewForm(300, 200)) {
        form_->ShowInactive();
        Pump();
    }

    // Enter and leave only when asked: a release also brings the hover up to date.
    void Record(Control& control, const std::string& name, bool hover = false) {
        if (hover) {
            control.OnMouseEnter = [this, name](Control&) { log_.push_back(name + " enter"); };
            control.OnMouseLeave = [this, name](Control&) { log_.push_back(name + " leave"); };
        }
        control.OnClick = [this, name](Control&) { log_.push_back(name + " click"); };
        control.OnDblClick = [this, name](Control&) { log_.push_back(name + " dblclick"); };
        control.OnMouseDown = [this, name](Control&, MouseButton, ShiftState, int x, int y) {
            log_.push_back(name + " down " + std::to_string(x) + "," + std::to_string(y));
        };
        control.OnMouseUp = [this, name](Control&, MouseButton, ShiftState, int x, int y) {
            log_.push_back(name + " up " + std::to_string(x) + "," + std::to_string(y));
        };
    }

    std::vector<std::string> Take() { return std::exchange(log_, {}); }

    FormPtr<Form> form_;
    std::vector<std::string> log_;
};

using Log = std::vector<std::string>;

TEST_F(MouseRouting, EnterAndLeaveOfAWindowlessChildArePassedOnToItsPanel) {
    auto& panel = form_->Add<RecordingPanel>(log_);
    panel.SetBounds({0, 0, 200, 100});
    auto& label = panel.Add<Label>();
    label.SetBounds({50, 20, 40, 20});
    Record(panel, "panel", true);
    Record(label, "label", true);

    MoveTo(panel.Handle(), 10, 10);
    EXPECT_EQ(Take(), (Log{"panel hears enter of panel", "panel enter"}));
    // Onto the label: the panel's own leave, then the label's enter, which the panel hears too.
    MoveTo(panel.Handle(), 60, 25);
    EXPECT_EQ(Take(), (Log{"panel hears leave of panel", "panel leave", "panel hears enter of child", "label enter"}));
    MoveTo(panel.Handle(), 61, 26);
    EXPECT_EQ(Take(), Log{});
    // Out of the window altogether.
    SendMessageW(panel.Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(Take(), (Log{"panel hears leave of child", "label leave"}));
}

TEST_F(MouseRouting, EnterOfAWindowedChildReachesTheParentAfterTheParentsOwnLeave) {
    auto& panel = form_->Add<RecordingPanel>(log_);
    panel.SetBounds({0, 0, 200, 100});
    auto& inner = panel.Add<Panel>();
    inner.SetBounds({100, 10, 50, 50});
    Record(panel, "panel", true);
    Record(inner, "inner", true);

    MoveTo(panel.Handle(), 10, 10);
    Take();
    // The system tells the panel the pointer left it for the child window.
    SendMessageW(panel.Handle(), WM_MOUSELEAVE, 0, 0);
    MoveTo(inner.Handle(), 5, 5);
    EXPECT_EQ(Take(), (Log{"panel hears leave of panel", "panel leave", "panel hears enter of child", "inner enter"}));
}

TEST_F(MouseRouting, AClickNeedsThePressAndTheReleaseOverTheSameControl) {
    auto& a = form_->Add<Label>();
    a.SetBounds({10, 10, 50, 20});
    auto& b = form_->Add<Label>();
    b.SetBounds({100, 10, 50, 20});
    Record(a, "a");
    Record(b, "b");
    const HWND host = form_->Handle();

    Press(host, 15, 12);
    EXPECT_EQ(GetCapture(), host);
    Release(host, 20, 15);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(Take(), (Log{"a down 5,2", "a click", "a up 10,5"}));

    // Pressed on a, released over b: a keeps the mouse (coordinates its
    // own, even outside it) and nobody clicks.
    Press(host, 15, 12);
    MoveTo(host, 110, 15);
    Release(host, 110, 15);
    const Log log = Take();
    EXPECT_EQ(log.front(), "a down 5,2");
    EXPECT_EQ(std::count(log.begin(), log.end(), "a up 100,5"), 1);
    EXPECT_EQ(std::count(log.begin(), log.end(), "a click"), 0);
    EXPECT_EQ(std::count(log.begin(), log.end(), "b click"), 0);
    EXPECT_EQ(std::count(log.begin(), log.end(), "b up 10,5"), 0);

    // The right button reports down and up but neither clicks nor captures.
    SendMessageW(host, WM_RBUTTONDOWN, MK_RBUTTON, PointParam(15, 12));
    EXPECT_EQ(GetCapture(), nullptr);
    SendMessageW(host, WM_RBUTTONUP, 0, PointParam(15, 12));
    EXPECT_EQ(Take(), (Log{"a down 5,2", "a up 5,2"}));
}

TEST_F(MouseRouting, LosingTheCaptureCancelsTheClick) {
    auto& a = form_->Add<Label>();
    a.SetBounds({10, 10, 50, 20});
    Record(a, "a");
    Press(form_->Handle(), 15, 12);
    ReleaseCapture();
    Release(form_->Handle(), 15, 12);
    EXPECT_EQ(Take(), (Log{"a down 5,2", "a up 5,2"}));
}

TEST_F(MouseRouting, HiddenAndDisabledWindowlessChildrenLetTheHostHaveTheMouse) {
    auto& top = form_->Add<Label>();
    top.SetBounds({10, 10, 50, 20});
    auto& under = form_->Add<Label>();
    under.SetBounds({10, 10, 50, 20});
    Record(*form_, "form");
    Record(top, "top");
    Record(under, "under");
    under.SetEnabled(false);
    ClickAt(form_->Handle(), 20, 20);
    EXPECT_EQ(Take(), (Log{"top down 10,10", "top click", "top up 10,10"}));
    top.Hide();
    ClickAt(form_->Handle(), 20, 20);
    EXPECT_EQ(Take(), (Log{"form down 20,20", "form click", "form up 20,20"}));
}

TEST_F(MouseRouting, ADoubleClickReportsDblClickThenADownWithoutASecondClick) {
    auto& a = form_->Add<Label>();
    a.SetBounds({10, 10, 50, 20});
    Record(a, "a");
    ShiftState seen;
    a.OnMouseDown = [&](Control&, MouseButton, ShiftState shift, int, int) { seen = shift; };
    ClickAt(form_->Handle(), 15, 15);
    SendMessageW(form_->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, PointParam(15, 15));
    Release(form_->Handle(), 15, 15);
    EXPECT_EQ(Take(), (Log{"a click", "a up 5,5", "a dblclick", "a up 5,5"}));
    EXPECT_TRUE(seen.doubleClick);
    EXPECT_TRUE(seen.left);
}

TEST_F(MouseRouting, AnExceptionInAHandlerIsReportedAndAbandonsOnlyThatHandler) {
    auto& a = form_->Add<Label>();
    a.SetBounds({10, 10, 50, 20});
    Record(a, "a");
    a.OnClick = [](Control&) { throw std::runtime_error(T(u8"按鈕壞了")); };
    ClickAt(form_->Handle(), 15, 15);
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_EQ(errors_[0], T(u8"按鈕壞了"));
    // The release was still handled, and the capture given back.
    EXPECT_EQ(Take(), (Log{"a down 5,5", "a up 5,5"}));
    EXPECT_EQ(GetCapture(), nullptr);

    // The window goes on working.
    a.OnClick = [this](Control&) { log_.push_back("a click"); };
    ClickAt(form_->Handle(), 15, 15);
    EXPECT_EQ(Take(), (Log{"a down 5,5", "a click", "a up 5,5"}));
    EXPECT_EQ(errors_.size(), 1u);
}

TEST_F(MouseRouting, AnExceptionOtherThanStdExceptionIsReportedToo) {
    auto& a = form_->Add<Label>();
    a.SetBounds({10, 10, 50, 20});
    a.OnMouseDown = [](Control&, MouseButton, ShiftState, int, int) { throw 42; };
    ClickAt(form_->Handle(), 15, 15);
    EXPECT_EQ(errors_.size(), 1u);
}

TEST_F(MouseRouting, AControlRemovedByItsOwnClickIsNotTouchedAfterwards) {
    auto& a = form_->Add<Label>();
    a.SetBounds({10, 10, 50, 20});
    a.OnClick = [this](Control& sender) { form_->Remove(sender); };
    ClickAt(form_->Handle(), 15, 15);
    EXPECT_TRUE(form_->Children().empty());
    MoveTo(form_->Handle(), 15, 15);
    EXPECT_TRUE(errors_.empty());
}

TEST_F(MouseRouting, AHintShowsAfterThePointerRestsAndGoesWhenItMovesOnOrPresses) {
    app_.SetHintPause(10);
    auto& a = form_->Add<Label>();
    a.SetBounds({10, 10, 50, 20});
    a.SetHint(T(u8"說明"));
    a.SetShowHint(true);
    auto& b = form_->Add<Label>();
    b.SetBounds({100, 10, 50, 20});
    b.SetHint("not shown");
    auto showing = [this] { return app_.Hint() && IsWindowVisible(app_.Hint()->Handle()); };

    MoveTo(form_->Handle(), 15, 15);
    ASSERT_TRUE(corvina::test::PumpUntil(2000, showing));
    EXPECT_EQ(app_.Hint()->Text(), T(u8"說明"));
    MoveTo(form_->Handle(), 110, 15);
    EXPECT_FALSE(showing());
    corvina::test::PumpUntil(50, [] { return false; });
    EXPECT_FALSE(showing());  // b has ShowHint off

    MoveTo(form_->Handle(), 15, 15);
    ASSERT_TRUE(corvina::test::PumpUntil(2000, showing));
    Press(form_->Handle(), 15, 15);
    EXPECT_FALSE(showing());
    Release(form_->Handle(), 15, 15);
}

}  // namespace
}  // namespace corvina::ui::test
