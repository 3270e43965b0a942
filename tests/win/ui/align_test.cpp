#include <gtest/gtest.h>

#include "ui/label.h"
#include "ui/panel.h"
#include "ui_fixture.h"

namespace corvina::ui::test {
namespace {

using AlignInForm = UiTest;

Rect WindowInParent(const WinControl& control) {
    RECT r{};
    GetWindowRect(control.Handle(), &r);
    MapWindowPoints(nullptr, control.Parent()->Handle(), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

TEST_F(AlignInForm, ChildrenTakeTheirStripsAndTheRealWindowsFollow) {
    auto form = NewForm(300, 200);
    auto& client = form->Add<Panel>();
    client.SetAlign(Align::Client);
    auto& left = form->Add<Panel>();
    left.SetWidth(40);
    left.SetAlign(Align::Left);
    auto& top = form->Add<Panel>();
    top.SetHeight(30);
    top.SetAlign(Align::Top);
    auto& bottom = form->Add<Label>();
    bottom.SetHeight(20);
    bottom.SetAlign(Align::Bottom);

    EXPECT_EQ(top.Bounds(), (Rect{0, 0, 300, 30}));
    EXPECT_EQ(bottom.Bounds(), (Rect{0, 180, 300, 20}));
    EXPECT_EQ(left.Bounds(), (Rect{0, 30, 40, 150}));
    EXPECT_EQ(client.Bounds(), (Rect{40, 30, 260, 150}));
    EXPECT_EQ(WindowInParent(client), client.Bounds());
    EXPECT_EQ(WindowInParent(left), left.Bounds());

    // The form grows: the strips stretch, the client takes the rest.
    form->SetBounds({50, 50, 400, 260});
    EXPECT_EQ(top.Bounds(), (Rect{0, 0, 400, 30}));
    EXPECT_EQ(bottom.Bounds(), (Rect{0, 240, 400, 20}));
    EXPECT_EQ(WindowInParent(client), (Rect{40, 30, 360, 210}));

    // A hidden strip gives its space back; a taller one takes more.
    top.Hide();
    EXPECT_EQ(client.Bounds(), (Rect{40, 0, 360, 240}));
    bottom.SetHeight(60);
    EXPECT_EQ(client.Bounds(), (Rect{40, 0, 360, 200}));
}

TEST_F(AlignInForm, NestedContainersAlignInsideTheirOwnClientArea) {
    auto form = NewForm(300, 200);
    auto& outer = form->Add<Panel>();
    outer.SetBounds({10, 10, 200, 100});
    auto& inner = outer.Add<Panel>();
    inner.SetAlign(Align::Right);
    inner.SetWidth(50);
    EXPECT_EQ(inner.Bounds(), (Rect{150, 0, 50, 100}));
    outer.SetHeight(80);
    EXPECT_EQ(WindowInParent(inner), (Rect{150, 0, 50, 80}));
}

TEST_F(AlignInForm, RemovingAnAlignedChildRealignsTheRest) {
    auto form = NewForm(300, 200);
    auto& top = form->Add<Panel>();
    top.SetHeight(50);
    top.SetAlign(Align::Top);
    auto& client = form->Add<Panel>();
    client.SetAlign(Align::Client);
    EXPECT_EQ(client.Bounds(), (Rect{0, 50, 300, 150}));
    form->Remove(top);
    EXPECT_EQ(form->Children().size(), 1u);
    EXPECT_EQ(client.Bounds(), (Rect{0, 0, 300, 200}));
}

}  // namespace
}  // namespace corvina::ui::test
