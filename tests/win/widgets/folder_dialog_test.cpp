// The folder dialog over the system's folder browser, answered by a timer.

#include "widgets/folder_dialog.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

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

// The browser's flags and the special folders' numbers are the SDK's own.
TEST(FolderBrowserNumbers, FlagsAndSpecialFoldersAreTheSdksConstants) {
    using O = TFolderDialogOption;
    EXPECT_EQ(FolderBrowseFlags(kDefaultFolderDialogOptions),
              static_cast<unsigned>(BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT));
    const std::pair<O, unsigned> flags[] = {
        {O::bfFileSysDirsOnly, BIF_RETURNONLYFSDIRS},
        {O::bfDontGoBelowDomain, BIF_DONTGOBELOWDOMAIN},
        {O::bfStatusText, BIF_STATUSTEXT},
        {O::bfFileSysAncestors, BIF_RETURNFSANCESTORS},
        {O::bfBrowseForComputer, BIF_BROWSEFORCOMPUTER},
        {O::bfBrowseForPrinter, BIF_BROWSEFORPRINTER},
        {O::bfBrowseIncludeFiles, BIF_BROWSEINCLUDEFILES},
    };
    for (const auto& [option, flag] : flags) EXPECT_EQ(FolderBrowseFlags({option}), flag) << static_cast<int>(option);
    EXPECT_EQ(FolderBrowseFlags({O::bfShowPathInStatusArea, O::bfSyncCustomButton, O::bfAlignCustomButton,
                                 O::bfScreenCenter, O::bfParentCenter, O::bfResizeCustomButton}),
              0u)
        << "the rest are the dialog's own";

    using F = TShellFolder;
    EXPECT_FALSE(SpecialFolderNumber(F::sfoDesktopExpanded));
    const std::pair<F, int> folders[] = {
        {F::sfoDesktop, CSIDL_DESKTOP},
        {F::sfoPrograms, CSIDL_PROGRAMS},
        {F::sfoControlPanel, CSIDL_CONTROLS},
        {F::sfoPrinters, CSIDL_PRINTERS},
        {F::sfoPersonal, CSIDL_PERSONAL},
        {F::sfoFavorites, CSIDL_FAVORITES},
        {F::sfoStartup, CSIDL_STARTUP},
        {F::sfoRecent, CSIDL_RECENT},
        {F::sfoSendto, CSIDL_SENDTO},
        {F::sfoRecycleBin, CSIDL_BITBUCKET},
        {F::sfoStartMenu, CSIDL_STARTMENU},
        {F::sfoDesktopDirectory, CSIDL_DESKTOPDIRECTORY},
        {F::sfoMyComputer, CSIDL_DRIVES},
        {F::sfoNetwork, CSIDL_NETWORK},
        {F::sfoNetworkNeighborhood, CSIDL_NETHOOD},
        {F::sfoFonts, CSIDL_FONTS},
        {F::sfoTemplates, CSIDL_TEMPLATES},
        {F::sfoCommonStartMenu, CSIDL_COMMON_STARTMENU},
        {F::sfoCommonPrograms, CSIDL_COMMON_PROGRAMS},
        {F::sfoCommonStartup, CSIDL_COMMON_STARTUP},
        {F::sfoCommonDesktopDirectory, CSIDL_COMMON_DESKTOPDIRECTORY},
        {F::sfoAppData, CSIDL_APPDATA},
        {F::sfoPrintHood, CSIDL_PRINTHOOD},
    };
    for (const auto& [folder, number] : folders) {
        EXPECT_EQ(SpecialFolderNumber(folder), number) << static_cast<int>(folder);
    }
}

}  // namespace
}  // namespace corvina::test
