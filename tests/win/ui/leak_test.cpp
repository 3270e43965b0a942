// Opening and closing a form with every standard control many times must
// leave no window, GDI object or DC behind. GetGuiResources answers 0 under
// Wine, so the RAII wrappers' own counts are what is checked.

#include <gtest/gtest.h>

#include <array>

#include "sys/win32/handles.h"
#include "ui/bevel.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/edit.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/memo.h"
#include "ui/panel.h"
#include "ui/radio_group.h"
#include "ui/shape.h"
#include "ui/timer.h"
#include "ui_fixture.h"

namespace corvina::ui::test {
namespace {

using win32::GdiObject;

std::array<long, 9> LiveCounts() {
    return {win32::OwnedWindow::Live(), GdiObject<HBITMAP>::Live(), GdiObject<HBRUSH>::Live(),
            GdiObject<HPEN>::Live(),    GdiObject<HFONT>::Live(),   GdiObject<HRGN>::Live(),
            win32::OwnedDC::Live(),     win32::ReleasedDC::Live(),  win32::ScopedEnhMetaFile::Live()};
}

int ThreadWindows() {
    int count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND, LPARAM counter) {
            ++*reinterpret_cast<int*>(counter);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

class EveryControl : public Form {
public:
    EveryControl() : Form(L"CorvinaLeakForm", BorderStyle::None) {
        SetBounds({20, 20, 400, 300});
        auto& panel = Add<Panel>(T(u8"面板"));
        panel.SetAlign(Align::Top);
        panel.SetBevelInner(BevelCut::Lowered);
        panel.SetBorderWidth(2);
        panel.Add<Label>(T(u8"標籤")).SetBounds({4, 4, 60, 16});
        auto& shape = Add<Shape>(ShapeType::Circle);
        shape.SetBounds({0, 60, 30, 30});
        shape.SetPen({corvina::Color::Rgb(1, 2, 3), 3, PenStyle::Dot});
        Add<Bevel>(BevelShape::Frame).SetBounds({40, 60, 30, 30});
        auto& image = Add<Image>();
        image.SetBounds({80, 60, 30, 30});
        image.SetStretch(true);
        image.SetPicture(Picture(Bitmap(8, 8)));
        Add<Edit>("edit").SetBounds({0, 100, 80, 20});
        Add<Memo>().SetLines({"a", "b"});
        Add<CheckBox>(T(u8"勾選")).SetChecked(true);
        auto& group = Add<RadioGroup>("group");
        group.SetBounds({200, 100, 150, 80});
        group.SetItems({"1", "2", "3"});
        group.SetItemIndex(0);
        Add<ListBox>().SetItems({"x", "y"});
        Add<Button>("OK").SetModalResult(ModalResult::Ok);
        SetFont(ui::Font(DefaultFontFace(), 14, FontStyle::Bold));
        SetColor(corvina::Color::Rgb(200, 220, 240));
    }

private:
    Timer timer_{50};
};

using Leaks = UiTest;

TEST_F(Leaks, OpeningAndClosingAFormWithEveryControlLeavesNothingBehind) {
    auto cycle = [this] {
        auto form = MakeForm<EveryControl>();
        form->ShowInactive();
        UpdateWindow(form->Handle());
        RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        MoveTo(form->Handle(), 5, 5);
        ClickAt(form->Handle(), 10, 70);
        Pump();
        form->Close();
    };
    cycle();  // classes registered, caches warmed
    const auto before = LiveCounts();
    const int windows = ThreadWindows();
    for (int i = 0; i < 200; ++i) cycle();
    Pump();
    EXPECT_EQ(LiveCounts(), before);
    EXPECT_EQ(ThreadWindows(), windows);
    EXPECT_TRUE(errors_.empty());
}

}  // namespace
}  // namespace corvina::ui::test
