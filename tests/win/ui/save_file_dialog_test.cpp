#include "ui/save_file_dialog.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "support/message_box_answerer.h"
#include "support/temp_folder.h"
#include "sys/text.h"
#include "ui/timer.h"
#include "ui_fixture.h"

namespace corvina::ui::test {
namespace {

// Control ids of the system's file dialog.
constexpr int kFileTypes = 0x470;  // cmb1
constexpr int kFileName = 0x47C;   // cmb13

// Types a file name into the shown save dialog and confirms it, or
// cancels; writes down the file type the dialog offered.
class SaveDialogAnswerer {
public:
    SaveDialogAnswerer(std::wstring fileName, std::wstring& offeredType) : timer_(50) {
        timer_.OnTimer = [this, fileName, &offeredType](Timer&) {
            const HWND dialog = DialogOfThisThread();
            if (!dialog || answered_) return;
            answered_ = true;
            wchar_t type[128]{};
            GetDlgItemTextW(dialog, kFileTypes, type, 128);
            offeredType = type;
            if (fileName.empty()) {
                PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
            } else {
                SetDlgItemTextW(dialog, kFileName, fileName.c_str());
                PostMessageW(dialog, WM_COMMAND, IDOK, 0);
            }
        };
    }

private:
    Timer timer_;
    bool answered_ = false;
};

using SystemSaveDialog = UiTest;

TEST_F(SystemSaveDialog, OffersTheOneFilterInTheInitialFolder) {
    const corvina::test::TempFolder folder;
    SystemFileDialogs dialogs;
    const SaveDialogOptions options{folder.Path(), T(u8"遊戲一 files (*.sav)"), "*.sav"};
    std::wstring offered;
    std::optional<Big5> chosen;
    {
        const SaveDialogAnswerer answerer(L"slot1.sav", offered);
        chosen = dialogs.RunSaveDialog(options);
    }
    EXPECT_EQ(offered, L"遊戲一 files (*.sav)");
    EXPECT_EQ(chosen, folder.File("slot1.sav"));

    const SaveDialogAnswerer cancelling(L"", offered);
    EXPECT_EQ(dialogs.RunSaveDialog(options), std::nullopt);
}

}  // namespace
}  // namespace corvina::ui::test
