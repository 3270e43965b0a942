// The item buttons' actions with real buttons, popups, files and message
// boxes; the machine is the recording one.

#include "menu/item_action_host.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/message_box_answerer.h"
#include "support/recording_machine.h"
#include "support/temp_folder.h"
#include "sys/files.h"
#include "sys/text.h"
#include "ui/ui_fixture.h"
#include "widgets/popup_box.h"
#include "widgets/popup_driver.h"
#include "widgets/text_box.h"

namespace corvina {
namespace {

using test::BoxDriver;
using test::PutCursor;
using test::ScreenEdges;
using ui::test::MoveTo;
using ui::test::PointParam;

class ItemActions : public ui::test::UiTest {
protected:
    ItemActions() {
        for (int i = 0; i < 7; ++i) {
            const Big5 caption = T(u8"遊戲") + std::to_string(i);
            const Big5 target = folder_.File(caption + ".exe");
            WriteFileBytes(target, "MZ");
            items_.Append({false, target, caption});
        }
        form_->SetBounds({40, 60, 300, 200});
        button_.SetBounds({20, 30, 24, 24});
        button_.OnMouseEnter = [this](ui::Control&) { host_.SmallButtonEnter(button_, items_); };
        button_.OnMouseLeave = [this](ui::Control&, bool& DisFocus) {
            host_.SmallButtonLeave(button_, items_, DisFocus);
        };
        form_->ShowInactive();
    }

    // The pointer onto the button: its hover runs the popup until it closes.
    void HoverButton() { MoveTo(form_->Handle(), 30, 40); }
    Rect ButtonOnScreen() const {
        POINT corner{20, 30};
        ClientToScreen(form_->Handle(), &corner);
        return {corner.x, corner.y, 24, 24};
    }
    static void ChooseRow(TPopMenuBOX& box, int row) {
        const EdgeRect cell = *box.Grid().CellRect(1, row);
        const int x = cell.left + 5;
        const int y = (cell.top + cell.bottom) / 2;
        MoveTo(box.Grid().Handle(), x, y);
        SendMessageW(box.Grid().Handle(), WM_LBUTTONUP, 0, PointParam(x, y));
    }

    test::TempFolder folder_;
    test::RecordingMachine machine_;
    MenuSettings settings_;
    std::vector<Big5> loads_, saves_;
    ItemActionWindows host_{machine_,
                            settings_,
                            folder_.Path(),
                            {[this](const Big5& caption) { loads_.push_back(caption); },
                             [this](const Big5& caption) { saves_.push_back(caption); }}};
    MenuItemTable items_;
    ui::FormPtr<ui::Form> form_ = NewForm();
    TEvBtn& button_ = form_->Add<TEvBtn>();
};

TEST_F(ItemActions, APictureClickHandsTheWholeTargetToTheShellHoweverLong) {
    MenuItemTable items;
    const Big5 target = folder_.File(T(u8"這是一個名字很長很長的遊戲資料夾_abcdefghijklmnopqrstuvwxyz\\開始遊戲.exe"));
    ASSERT_GT(target.size(), 79u);
    CreateDirectoryW(WideFromBig5(target.substr(0, target.rfind('\\'))).c_str(), nullptr);
    WriteFileBytes(target, "MZ");
    items.Append({false, target, "long"});
    button_.SetTag(0);
    host_.PictureButtonClick(button_, items);
    ASSERT_EQ(machine_.programsRun.size(), 1u);
    EXPECT_EQ(machine_.programsRun[0].file, target);
    EXPECT_EQ(machine_.programsRun[0].parameters, "");
    EXPECT_EQ(machine_.programsRun[0].folder, target.substr(0, target.rfind('\\') + 1)) << "its own folder, whole";
    EXPECT_EQ(machine_.programsRun[0].showCommand, SW_SHOWNOACTIVATE);
}

TEST_F(ItemActions, OnlyAPictureClickThatStartedAProgramTellsWhichItemStarted) {
    std::vector<std::pair<int, bool>> started;  // index, with a process
    host_.SetItemStarted(
        [&](int index, win32::ScopedHandle process) { started.emplace_back(index, static_cast<bool>(process)); });
    button_.SetTag(2);
    host_.PictureButtonClick(button_, items_);
    ASSERT_EQ(machine_.programsRun.size(), 1u) << "started through the machine as before";
    EXPECT_EQ(machine_.programsRun[0].file, items_.Find(2)->Target);
    EXPECT_EQ(started, (std::vector<std::pair<int, bool>>{{2, false}})) << "the fake hands back no process";

    machine_.runAnswer = 2;
    std::vector<ui::test::SeenBox> seen;
    const ui::test::BoxAnswerer answerer(seen, IDOK);
    host_.PictureButtonClick(button_, items_);
    EXPECT_EQ(seen.size(), 1u);
    EXPECT_EQ(started.size(), 1u) << "a failed start is no play";
}

TEST_F(ItemActions, AMissingTargetAndAFailedStartAreReportedInErrorBoxes) {
    MenuItemTable items;
    items.Append({false, "", "empty"});
    items.Append({false, items_.Find(0)->Target, "present"});
    std::vector<ui::test::SeenBox> seen;
    const ui::test::BoxAnswerer answerer(seen, IDOK);
    button_.SetTag(0);
    host_.PictureButtonClick(button_, items);
    EXPECT_TRUE(machine_.programsRun.empty());
    machine_.runAnswer = 2;  // the shell's "file not found"
    button_.SetTag(1);
    host_.PictureButtonClick(button_, items);
    EXPECT_EQ(machine_.programsRun.size(), 1u);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].text, WideFromBig5(T(u8"執行路徑或檔案不存在！")));
    EXPECT_EQ(seen[1].text, WideFromBig5(T(u8"檔案執行失敗！")));
}

TEST_F(ItemActions, Tag2005ListsTheSixthItemsLinksBesideTheButtonWhichStaysLitUntilTheChoice) {
    WriteFileBytes(folder_.File(T(u8"遊戲5.ini")),
                   T(u8"[Memo]\r\na=not a link\r\n[WebLink]\r\n官方網站=http://a.example/\r\n=http://nameless/\r\n"
                     u8"攻略=http://b.example/guide\r\n空白=\r\n"));
    button_.SetTag(2005);
    const Rect onScreen = ButtonOnScreen();
    EdgeRect box;
    std::vector<Big5> names;
    bool litInside = false;
    bool litAfterLeave = false;
    BoxDriver<TPopMenuBOX> driver(L"TPopMenuBOX", {[&](TPopMenuBOX& popup) {
                                      box = ScreenEdges(popup.Handle());
                                      for (int row = 0; row < popup.Grid().RowCount(); ++row) {
                                          names.push_back(popup.Grid().Cells(1, row));
                                      }
                                      litInside = button_.Hovered();
                                      // The pointer goes from the button into the popup.
                                      SendMessageW(form_->Handle(), WM_MOUSELEAVE, 0, 0);
                                      litAfterLeave = button_.Hovered();
                                      ChooseRow(popup, 1);
                                      return true;
                                  }});
    HoverButton();
    EXPECT_EQ(box.left, onScreen.left + onScreen.width + 2);
    EXPECT_EQ(box.top, onScreen.top);
    EXPECT_EQ(names, (std::vector<Big5>{T(u8" 官方網站"), T(u8" 攻略"), T(u8" 空白")}));
    EXPECT_TRUE(litInside);
    EXPECT_TRUE(litAfterLeave);
    EXPECT_FALSE(button_.Hovered());
    EXPECT_EQ(machine_.webPagesOpened, std::vector<Big5>{"http://b.example/guide"});
    EXPECT_FALSE(IsPopupBoxOpen());

    // A chosen link without an address opens nothing.
    BoxDriver<TPopMenuBOX> again(L"TPopMenuBOX", {[&](TPopMenuBOX& popup) {
                                     ChooseRow(popup, 2);
                                     return true;
                                 }});
    SendMessageW(form_->Handle(), WM_MOUSELEAVE, 0, 0);
    HoverButton();
    EXPECT_EQ(machine_.webPagesOpened.size(), 1u);
}

TEST_F(ItemActions, Tag3000ShowsTheFirstItemsNoteValuesInFileOrderUntilThePointerLeaves) {
    WriteFileBytes(folder_.File(T(u8"遊戲0.ini")), T(u8"[Memo]\r\nz=先按 F1\r\na=再按 F2=存檔\r\n"));
    button_.SetTag(3000);
    Big5 caption;
    bool keptLit = false;
    BoxDriver<THintBoX> driver(L"THintBoX", {[&](THintBoX& box) {
                                   caption = box.Label().Caption();
                                   SendMessageW(form_->Handle(), WM_MOUSELEAVE, 0, 0);
                                   keptLit = button_.Hovered();
                                   PutCursor({5, 590});
                                   return true;
                               }});
    HoverButton();
    EXPECT_EQ(caption, T(u8" 先按 F1\r 再按 F2=存檔\r"));
    EXPECT_TRUE(keptLit);
    EXPECT_FALSE(button_.Hovered());
    EXPECT_FALSE(IsTextBoxOpen());

    // An item without its own file shows nothing.
    button_.SetTag(3001);
    SendMessageW(form_->Handle(), WM_MOUSELEAVE, 0, 0);
    HoverButton();
    EXPECT_EQ(driver.StepsDone(), 1u);
}

TEST_F(ItemActions, TheRecordChoicesLoadOrSaveTheItemsRecordsAndLeavingChoosesNeither) {
    button_.SetTag(1004);
    for (const int row : {0, 1}) {
        BoxDriver<TPopMenuBOX> driver(L"TPopMenuBOX", {[&](TPopMenuBOX& popup) {
                                          ChooseRow(popup, row);
                                          return true;
                                      }});
        SendMessageW(form_->Handle(), WM_MOUSELEAVE, 0, 0);
        HoverButton();
    }
    BoxDriver<TPopMenuBOX> away(L"TPopMenuBOX", {[&](TPopMenuBOX&) {
                                    PutCursor({5, 590});
                                    return true;
                                }});
    SendMessageW(form_->Handle(), WM_MOUSELEAVE, 0, 0);
    HoverButton();
    EXPECT_EQ(loads_, std::vector<Big5>{T(u8"遊戲4")});
    EXPECT_EQ(saves_, std::vector<Big5>{T(u8"遊戲4")});
    EXPECT_FALSE(button_.Hovered());
}

TEST_F(ItemActions, AHomePageInTheProgramFolderIsPrefixedOnceAndKept) {
    host_.OpenHomePage();  // none set
    settings_.HomePage = "home\\index.htm";
    host_.B_intoBrowserClick(button_);
    const Big5 prefixed = folder_.File("home\\index.htm");
    EXPECT_EQ(settings_.HomePage, prefixed);
    host_.OpenHomePage();
    settings_.HomePage = "HTTP://cafe.example/";
    host_.OpenHomePage();
    EXPECT_EQ(machine_.webPagesOpened, (std::vector<Big5>{prefixed, prefixed, "HTTP://cafe.example/"}));
}

TEST_F(ItemActions, APageTheShellWillNotOpenIsToldToTheCustomer) {
    settings_.HomePage = "https://cafe.example/";
    machine_.webPageAnswer = SE_ERR_NOASSOC;
    std::vector<ui::test::SeenBox> seen;
    {
        const ui::test::BoxAnswerer answerer(seen, IDOK);
        host_.OpenHomePage();
    }
    EXPECT_EQ(machine_.webPagesOpened, std::vector<Big5>{"https://cafe.example/"});
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, WideFromBig5(WebPageFailedMessage()));

    // Opened: no message.
    machine_.webPageAnswer = 42;
    seen.clear();
    {
        const ui::test::BoxAnswerer answerer(seen, IDOK);
        host_.OpenHomePage();
    }
    EXPECT_TRUE(seen.empty());
}

TEST_F(ItemActions, AMenuThatIsClosingStartsNothingStillQueuedOrAnsweredLate) {
    settings_.HomePage = "http://cafe.example/";
    app_.Terminate();
    button_.SetTag(0);
    host_.PictureButtonClick(button_, items_);
    host_.OpenHomePage();
    EXPECT_TRUE(machine_.calls.empty());
}

}  // namespace
}  // namespace corvina
