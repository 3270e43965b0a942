// The folder dialog over the system's folder browser, answered by a timer.

#include "widgets/folder_dialog.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "support/message_box_answerer.h"
#include "support/temp_folder.h"
#include "sys/files.h"
#include "sys/text.h"
#include "ui/timer.h"
#include "ui/ui_fixture.h"

namespace corvina::test {
namespace {

class FolderDialogTest : public ui::test::UiTest {
protected:
    FolderDialogTest() : form_(NewForm(400, 300)) {
        form_->ShowInactive();
        Pump();
    }

    // Presses `button` in the browser as soon as it shows, noting its caption.
    bool Run(TFolderDialog& dialog, int button) {
        ui::Timer answer(50);
        answer.OnTimer = [&](ui::Timer&) {
            const HWND browser = ui::test::DialogOfThisThread();
            if (!browser) return;
            wchar_t caption[64]{};
            GetWindowTextW(browser, caption, 64);
            caption_ = caption;
            RECT r{};
            GetWindowRect(browser, &r);
            position_ = {r.left, r.top};
            PostMessageW(browser, WM_COMMAND, static_cast<WPARAM>(button), 0);
        };
        return dialog.Execute();
    }

    ui::FormPtr<ui::Form> form_;
    std::wstring caption_;
    Point position_;
};

TEST_F(FolderDialogTest, OkGivesTheSelectedFolderAndTheBrowserHasTheTitle) {
    TempFolder folder;
    TFolderDialog dialog(form_.get());
    dialog.SetTitle(T(u8"請選擇路徑"));
    const Big5 path = folder.Path().substr(0, folder.Path().size() - 1);
    dialog.SetDirectory(path);
    int shown = 0;
    int closed = 0;
    dialog.OnShow = [&shown](TFolderDialog& sender) { shown += sender.Window() != nullptr; };
    dialog.OnClose = [&closed](TFolderDialog&) { ++closed; };

    ASSERT_TRUE(Run(dialog, IDOK));
    EXPECT_EQ(caption_, L"請選擇路徑");
    // Wine's browser does not follow a preselection outside its open
    // branches; whatever is selected, OK gives its file-system path.
    EXPECT_TRUE(FolderExists(dialog.Directory())) << dialog.Directory();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(dialog.Window(), nullptr);
    // Centred over the owner, its top at a quarter of the owner's height.
    const Rect owner = ui::test::ScreenBounds(form_->Handle());
    EXPECT_EQ(position_.y, owner.top + owner.height / 4);
}

TEST_F(FolderDialogTest, CancelAfterAPreselectionLeavesNoDirectory) {
    TempFolder folder;
    TFolderDialog dialog(form_.get());
    dialog.SetDirectory(folder.Path());
    EXPECT_FALSE(Run(dialog, IDCANCEL));
    EXPECT_EQ(caption_, L"Browse for Folder");
    EXPECT_EQ(dialog.Directory(), "");
}

TEST_F(FolderDialogTest, OptionsGoThroughTheirRules) {
    TFolderDialog dialog;
    TFolderDialogOptions options = dialog.Options();
    dialog.SetOptions(options.Add(TFolderDialogOption::bfBrowseForComputer));
    EXPECT_EQ(dialog.RootFolder(), TShellFolder::sfoNetwork);
    EXPECT_FALSE(dialog.Options().Has(TFolderDialogOption::bfFileSysDirsOnly));
}

}  // namespace
}  // namespace corvina::test
