#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/memory_dib.h"
#include "support/temp_folder.h"
#include "sys/files.h"
#include "ui/bevel.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/color.h"
#include "ui/edit.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/memo.h"
#include "ui/radio_group.h"
#include "ui/shape.h"
#include "ui_fixture.h"

namespace corvina::ui::test {
namespace {

class StandardControls : public UiTest {
protected:
    StandardControls() : form_(NewForm(300, 200)) {}
    FormPtr<Form> form_;
};

TEST_F(StandardControls, AnEditKeepsBig5TextAndReportsChangesAndTheMouse) {
    auto& edit = form_->Add<Edit>(T(u8"遊戲一"));
    EXPECT_EQ(edit.Text(), T(u8"遊戲一"));
    int changes = 0;
    edit.OnChange = [&](Control& sender) {
        EXPECT_EQ(&sender, &edit);
        ++changes;
    };
    edit.SetText(T(u8"許功蓋"));  // trail bytes that look like a backslash
    EXPECT_EQ(edit.Text(), T(u8"許功蓋"));
    EXPECT_EQ(changes, 1);
    edit.SetText(T(u8"許功蓋"));
    EXPECT_EQ(changes, 1);

    int downs = 0;
    edit.OnMouseDown = [&](Control&, MouseButton button, ShiftState, int x, int y) {
        EXPECT_EQ(button, MouseButton::Left);
        EXPECT_EQ(x, 3);
        EXPECT_EQ(y, 4);
        ++downs;
    };
    ClickAt(edit.Handle(), 3, 4);
    EXPECT_EQ(downs, 1);

    edit.SetReadOnly(true);
    EXPECT_TRUE(edit.ReadOnly());
    edit.SetMaxLength(4);
    EXPECT_EQ(SendMessageW(edit.Handle(), EM_GETLIMITTEXT, 0, 0), 4);
}

TEST_F(StandardControls, AMemoHoldsLinesAndIsReadOnly) {
    auto& memo = form_->Add<Memo>();
    EXPECT_TRUE(memo.ReadOnly());
    const std::vector<Big5> lines{T(u8"第一行"), "", "third"};
    memo.SetLines(lines);
    EXPECT_EQ(memo.Lines(), lines);
    EXPECT_EQ(SendMessageW(memo.Handle(), EM_GETLINECOUNT, 0, 0), 3);
}

TEST_F(StandardControls, ACheckBoxTogglesOnItsClickAndReportsEveryChange) {
    auto& box = form_->Add<CheckBox>("&Sound");
    int clicks = 0;
    box.OnClick = [&](Control&) { ++clicks; };
    SendMessageW(box.Handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(box.Checked());
    EXPECT_EQ(clicks, 1);
    box.SetChecked(true);
    EXPECT_EQ(clicks, 1);
    box.SetChecked(false);
    EXPECT_EQ(clicks, 2);
    // Its accelerator from the keyboard, through the form.
    EXPECT_TRUE(form_->DialogChar(L's', true));
    EXPECT_TRUE(box.Checked());
    EXPECT_FALSE(form_->DialogChar(L'x', true));
}

TEST_F(StandardControls, ARadioGroupChecksOneItemAndFollowsClicksOnItsButtons) {
    auto& group = form_->Add<RadioGroup>(T(u8"畫面"));
    group.SetBounds({0, 0, 200, 100});
    group.SetColumns(2);
    group.SetItems({"640", "800", "1024"});
    int clicks = 0;
    group.OnClick = [&](Control&) { ++clicks; };
    EXPECT_EQ(group.ItemIndex(), -1);
    group.SetItemIndex(1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(SendMessageW(group.Button(1).Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);

    SendMessageW(group.Button(2).Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(group.ItemIndex(), 2);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(SendMessageW(group.Button(1).Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);

    // Two columns: the third item starts the second column.
    EXPECT_EQ(group.Button(0).Left(), group.Button(1).Left());
    EXPECT_GT(group.Button(2).Left(), group.Button(0).Left());
    EXPECT_EQ(group.Button(2).Top(), group.Button(0).Top());

    group.SetItemIndex(7);
    EXPECT_EQ(group.ItemIndex(), -1);
    group.SetItems({"a"});
    EXPECT_EQ(form_->Children().size(), 1u);
    EXPECT_EQ(group.Children().size(), 1u);
}

TEST_F(StandardControls, AListBoxKeepsItsItemsAndReportsSelection) {
    auto& list = form_->Add<ListBox>();
    list.SetItems({T(u8"甲"), T(u8"乙"), "c"});
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Item(1), T(u8"乙"));
    EXPECT_EQ(list.Item(5), "");
    EXPECT_EQ(list.ItemIndex(), -1);
    list.SetItemIndex(2);
    EXPECT_EQ(list.ItemIndex(), 2);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(StandardControls, AFileListShowsTheFilesThatMatchAMask) {
    const corvina::test::TempFolder folder;
    WriteFileBytes(folder.File(T(u8"存檔一.sav")), "1");
    WriteFileBytes(folder.File("b.sav"), "2");
    WriteFileBytes(folder.File("c.txt"), "3");
    CreateDirectoryW(WideFromBig5(folder.File("d.sav")).c_str(), nullptr);
    auto& list = form_->Add<ListBox>(true);
    list.AddItem("old");
    list.SetItemHeight(16);
    list.ListFiles(folder.File("*.sav"));
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Item(0), "b.sav");
    EXPECT_EQ(list.Item(1), T(u8"存檔一.sav"));
    EXPECT_EQ(SendMessageW(list.Handle(), LB_GETITEMHEIGHT, 0, 0), 16);
}

TEST_F(StandardControls, AButtonClicksFromTheSystemAndFromItsAccelerator) {
    auto& button = form_->Add<Button>("&Go");
    int clicks = 0;
    button.OnClick = [&](Control&) { ++clicks; };
    SendMessageW(button.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(form_->DialogChar(L'G', false));
    EXPECT_EQ(clicks, 2);
    button.SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(button.Handle()));
    EXPECT_FALSE(form_->DialogChar(L'g', true));
    EXPECT_EQ(clicks, 2);
}

TEST_F(StandardControls, ALabelAcceleratorFocusesItsControl) {
    auto& edit = form_->Add<Edit>();
    auto& label = form_->Add<Label>("&Name");
    label.SetFocusControl(&edit);
    form_->ShowInactive();
    EXPECT_TRUE(form_->DialogChar(L'n', true));
    EXPECT_TRUE(edit.Focused());
    label.SetShowAccelChar(false);
    EXPECT_FALSE(form_->DialogChar(L'n', true));
}

TEST_F(StandardControls, FontAndColourReachTheSystemControls) {
    auto& button = form_->Add<Button>("x");
    const auto before = SendMessageW(button.Handle(), WM_GETFONT, 0, 0);
    EXPECT_NE(before, 0);
    form_->SetFont(Font(DefaultFontFace(), 20));
    EXPECT_EQ(button.Font().height, 20);
    EXPECT_NE(SendMessageW(button.Handle(), WM_GETFONT, 0, 0), before);

    auto& box = form_->Add<CheckBox>("y");
    form_->SetColor(corvina::Color::Rgb(10, 20, 30));
    corvina::test::MemoryDib dib(4, 4, RGB(0, 0, 0));
    const auto brush =
        reinterpret_cast<HBRUSH>(SendMessageW(form_->Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dib.Dc()),
                                              reinterpret_cast<LPARAM>(box.Handle())));
    ASSERT_NE(brush, nullptr);
    LOGBRUSH log{};
    GetObjectW(brush, sizeof log, &log);
    EXPECT_EQ(log.lbColor, RGB(10, 20, 30));
    EXPECT_EQ(GetBkColor(dib.Dc()), RGB(10, 20, 30));
}

TEST_F(StandardControls, ShapesAndBevelsPaintInsideTheirBounds) {
    constexpr corvina::Color kNavy = corvina::Color::Rgb(0, 0, 128);
    form_->SetColor(corvina::Color::Rgb(255, 255, 255));
    auto& ellipse = form_->Add<Shape>(ShapeType::Ellipse);
    ellipse.SetBounds({0, 0, 40, 40});
    ellipse.SetBrush({kNavy, BrushStyle::Solid});
    auto& bevel = form_->Add<Bevel>(BevelShape::TopLine, BevelStyle::Lowered);
    bevel.SetBounds({100, 50, 60, 2});
    auto& image = form_->Add<Image>();
    image.SetBounds({200, 0, 20, 20});  // empty: paints nothing

    corvina::test::MemoryDib dib(300, 200, RGB(0, 0, 0), true);
    SendMessageW(form_->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dib.Dc()), PRF_CLIENT);
    EXPECT_EQ(dib.At(20, 20), ToColorRef(kNavy));
    EXPECT_EQ(dib.At(1, 1), RGB(255, 255, 255));  // outside the ellipse's curve
    EXPECT_EQ(dib.At(0, 20), RGB(0, 0, 0));       // the pen on the edge
    EXPECT_EQ(dib.At(120, 50), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(dib.At(120, 51), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(dib.At(210, 10), RGB(255, 255, 255));
}

}  // namespace
}  // namespace corvina::ui::test
