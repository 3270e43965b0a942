#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "support/processes.h"
#include "ui/button.h"
#include "ui/timer.h"
#include "ui_fixture.h"

namespace corvina::ui::test {
namespace {

using Forms = UiTest;

TEST_F(Forms, ShowModalReturnsTheResultAHandlerSetsWithTheOtherWindowsDisabledMeanwhile) {
    auto other = NewForm();
    other->ShowInactive();
    auto dialog = NewForm();
    std::vector<CloseAction> closes;
    dialog->OnClose = [&](Form&, CloseAction& action) { closes.push_back(action); };
    bool otherEnabledDuringRun = true;
    bool dialogVisibleDuringRun = false;
    Timer timer(10);
    timer.OnTimer = [&](Timer& sender) {
        sender.SetEnabled(false);
        otherEnabledDuringRun = IsWindowEnabled(other->Handle()) != FALSE;
        dialogVisibleDuringRun = IsWindowVisible(dialog->Handle()) != FALSE;
        dialog->SetModalResult(ModalResult::Ok);
    };

    EXPECT_EQ(dialog->ShowModal(), ModalResult::Ok);
    EXPECT_FALSE(otherEnabledDuringRun);
    EXPECT_TRUE(dialogVisibleDuringRun);
    EXPECT_TRUE(IsWindowEnabled(other->Handle()));
    EXPECT_FALSE(dialog->Visible());
    EXPECT_FALSE(IsWindowVisible(dialog->Handle()));
    EXPECT_FALSE(dialog->Modal());
    EXPECT_EQ(closes, std::vector<CloseAction>{CloseAction::Hide});
    // A visible form cannot be made modal.
    EXPECT_THROW(other->ShowModal(), std::logic_error);
}

TEST_F(Forms, ClosingAModalFormEndsItWithCancelUnlessTheCloseQueryRefuses) {
    auto dialog = NewForm();
    auto& yes = dialog->Add<Button>("&Yes");
    yes.SetModalResult(ModalResult::Yes);
    int queries = 0;
    dialog->OnCloseQuery = [&](Form&, bool& canClose) { canClose = ++queries > 1; };
    int ticks = 0;
    Timer timer(10);
    timer.OnTimer = [&](Timer&) {
        // The user closes the window: refused first, then allowed.
        if (++ticks <= 2) PostMessageW(dialog->Handle(), WM_CLOSE, 0, 0);
    };
    EXPECT_EQ(dialog->ShowModal(), ModalResult::Cancel);
    EXPECT_EQ(queries, 2);

    // Next run: a button with a modal result ends it, pressed from the keyboard (Alt+Y).
    timer.OnTimer = [&](Timer&) { PostMessageW(dialog->Handle(), WM_SYSCHAR, 'y', 0); };
    EXPECT_EQ(dialog->ShowModal(), ModalResult::Yes);
}

TEST_F(Forms, TerminateBeforeRunEndsTheLoopAtOnceWithoutShowingTheMainForm) {
    Form& main = app_.CreateForm<Form>(L"CorvinaForm", BorderStyle::None);
    EXPECT_EQ(app_.MainForm(), &main);
    app_.Terminate();
    app_.Run();
    EXPECT_TRUE(app_.Terminated());
    EXPECT_FALSE(main.Visible());
}

TEST_F(Forms, ClosingTheMainFormEndsRunUnlessItsCloseHandlerKeepsItOpen) {
    Form& main = app_.CreateForm<Form>(L"CorvinaForm", BorderStyle::None);
    Form& second = app_.CreateForm<Form>(L"CorvinaForm", BorderStyle::None);
    EXPECT_EQ(app_.MainForm(), &main);
    int shows = 0;
    main.OnShow = [&](Control&) { ++shows; };
    int closes = 0;
    main.OnClose = [&](Form&, CloseAction& action) {
        if (++closes == 1) action = CloseAction::None;
    };
    // Closing another form only hides it.
    second.ShowInactive();
    second.Close();
    EXPECT_FALSE(second.Visible());

    int ticks = 0;
    Timer timer(10);
    timer.OnTimer = [&](Timer&) {
        if (++ticks <= 2) main.Close();
    };
    app_.Run();
    EXPECT_EQ(shows, 1);
    EXPECT_EQ(closes, 2);
    EXPECT_EQ(ticks, 2);
    EXPECT_TRUE(app_.Terminated());
}

TEST_F(Forms, CloseActionFreeReleasesAFormTheApplicationOwnsAfterTheCurrentMessage) {
    app_.CreateForm<Form>(L"CorvinaForm", BorderStyle::None);
    Form& tool = app_.CreateForm<Form>(L"CorvinaForm", BorderStyle::None);
    bool destroyed = false;
    tool.OnDestroy = [&](Control&) { destroyed = true; };
    tool.OnClose = [](Form&, CloseAction& action) { action = CloseAction::Free; };
    tool.Close();
    EXPECT_FALSE(destroyed);
    Pump();
    EXPECT_TRUE(destroyed);
}

class Derived : public Form {
public:
    Derived(std::vector<std::string>& log, bool fail)
        : Form(L"CorvinaDerived", BorderStyle::None), log_(log), fail_(fail) {}

protected:
    void DoCreate() override {
        Form::DoCreate();
        log_.push_back("create sees " + member_);
        if (fail_) throw std::runtime_error("creation failed");
        log_.push_back("create finished");
    }
    void DoDestroy() override {
        log_.push_back("destroy sees " + member_);
        Form::DoDestroy();
    }
    LRESULT NonClientHitTest(int, int) override { return HTTRANSPARENT; }

private:
    std::vector<std::string>& log_;
    bool fail_;
    std::string member_ = "derived";
};

TEST_F(Forms, CreationAndDestructionHandlersSeeTheWholeDerivedForm) {
    std::vector<std::string> log;
    {
        auto form = MakeForm<Derived>(log, false);
        EXPECT_EQ(log, (std::vector<std::string>{"create sees derived", "create finished"}));
        wchar_t name[32]{};
        GetClassNameW(form->Handle(), name, 32);
        EXPECT_STREQ(name, L"CorvinaDerived");
    }
    EXPECT_EQ(log.back(), "destroy sees derived");

    // A failing creation handler is reported; the form is still made.
    log.clear();
    auto failed = MakeForm<Derived>(log, true);
    EXPECT_EQ(log, std::vector<std::string>{"create sees derived"});
    EXPECT_EQ(errors_, std::vector<std::string>{"creation failed"});
    EXPECT_NE(failed->Handle(), nullptr);
}

TEST_F(Forms, ADerivedFormAnswersTheHitTestAndTheBaseLeavesItToTheSystem) {
    std::vector<std::string> log;
    auto transparent = MakeForm<Derived>(log, false);
    transparent->SetBounds({0, 0, 100, 100});
    EXPECT_EQ(SendMessageW(transparent->Handle(), WM_NCHITTEST, 0, PointParam(50, 50)), HTTRANSPARENT);
    auto plain = NewForm();
    plain->ShowInactive();
    POINT inside{10, 10};
    ClientToScreen(plain->Handle(), &inside);
    EXPECT_EQ(SendMessageW(plain->Handle(), WM_NCHITTEST, 0, PointParam(inside.x, inside.y)), HTCLIENT);
}

TEST_F(Forms, TheClientSizeHoldsAcrossBorderStyles) {
    auto form = NewForm();
    form->SetClientSize(240, 120);
    EXPECT_EQ(form->Width(), 240);
    form->SetBorderStyle(BorderStyle::Dialog);
    EXPECT_EQ(form->ClientWidth(), 240);
    EXPECT_EQ(form->ClientHeight(), 120);
    EXPECT_GT(form->Width(), 240);
    EXPECT_EQ(ScreenBounds(form->Handle()), form->Bounds());
    form->SetCaption(T(u8"對話框"));
    EXPECT_EQ(form->Caption(), T(u8"對話框"));
}

TEST_F(Forms, ScreenCentrePlacesTheFormInTheMiddleOfTheWorkArea) {
    auto form = NewForm(200, 100);
    form->SetPosition(FormPosition::ScreenCenter);
    form->ShowInactive();
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    EXPECT_EQ(form->Left(), area.left + (area.right - area.left - 200) / 2);
    EXPECT_EQ(form->Top(), area.top + (area.bottom - area.top - 100) / 2);
    EXPECT_EQ(ScreenBounds(form->Handle()), form->Bounds());
}

TEST_F(Forms, TheApplicationWindowOwnsEveryFormAndStaysHidden) {
    auto form = NewForm();
    EXPECT_EQ(GetWindow(form->Handle(), GW_OWNER), app_.Handle());
    EXPECT_FALSE(IsWindowVisible(app_.Handle()));
    EXPECT_EQ(&Application::Instance(), &app_);
    EXPECT_EQ(app_.ActiveOwner(), app_.Handle());
}

TEST_F(Forms, MinimisingTheApplicationTakesItsFormsOffTheScreenAndRestoringBringsThemBack) {
    auto form = NewForm();
    form->ShowInactive();
    app_.Minimize();
    EXPECT_TRUE(IsIconic(app_.Handle()));
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    app_.Restore();
    EXPECT_FALSE(IsIconic(app_.Handle()));
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    EXPECT_TRUE(form->Visible());
}

}  // namespace
}  // namespace corvina::ui::test
