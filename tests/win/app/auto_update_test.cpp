// The automatic update from a temporary "share" into a temporary program
// folder, with the shell copy the program uses.

#include "app/auto_update_win32.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "settings/settings_files.h"
#include "support/temp_folder.h"
#include "support/write_lock.h"
#include "sys/files.h"
#include "sys/profile_file.h"
#include "sys/shell_rules.h"
#include "sys/text.h"
#include "sys/win32/program_path.h"
#include "ui/ui_fixture.h"
#include "widgets/wait_window.h"

namespace corvina {
namespace {

using ::testing::HasSubstr;

// The shell copy as the system helpers make it, without its windows.
bool ShellCopy(const Big5& pattern, const Big5& destination, bool createFolders) {
    std::wstring from = WideFromBig5(pattern);
    from.push_back(L'\0');
    std::wstring to = WideFromBig5(destination);
    to.push_back(L'\0');
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_COPY;
    operation.pFrom = from.c_str();
    operation.pTo = to.c_str();
    operation.fFlags = static_cast<FILEOP_FLAGS>(ShellCopyFlags(createFolders) | FOF_SILENT | FOF_NOERRORUI);
    return SHFileOperationW(&operation) == 0 && !operation.fAnyOperationsAborted;
}

class AutoUpdateTest : public ui::test::UiTest {
protected:
    AutoUpdateTest() {
        CreateDirectoryW(WideFromBig5(share_.File(T(u8"圖片"))).c_str(), nullptr);
        WriteFileBytes(share_.File(T(u8"圖片\\甲.bmp")), "BM new picture");
        WriteFileBytes(share_.File("Menus.ini"), T(u8"[新頻道]\r\n甲=a.exe,,\r\n"));
        WriteFileBytes(program_.File("Menus.ini"), T(u8"[舊頻道]\r\n"));
    }

    // The running program here and a new one on the share, local version 1
    // and remote 2; returns the program's file name.
    Big5 ProgramWaitingForVersion2() {
        const Big5 program = ProgramBaseName() + ".exe";
        WriteFileBytes(program_.File(program), "old program");
        WriteFileBytes(share_.File(program), "new program");
        Local(1);
        Remote(2);
        return program;
    }

    void Local(int version, bool autoUpdate = true) {
        WriteFileBytes(program_.File("Corvina2.ini"),
                       "[Options]\r\nRemote_AutoUpdate=" + std::to_string(autoUpdate ? 1 : 0) +
                           "\r\nRemote_iniPath=" + share_.Path().substr(0, share_.Path().size() - 1) +
                           "\r\nRemote_Update=" + std::to_string(version) + "\r\n");
    }
    void Remote(long long version) {
        WriteFileBytes(share_.File("Update.ini"), "[Options]\r\nRemote_Update=" + std::to_string(version) + "\r\n");
    }
    int StoredVersion() const {
        return LoadProfile(program_.File("Corvina2.ini")).ReadInteger("Options", "Remote_Update", -1);
    }

    UpdateOutcome Update() {
        return RunAutoUpdate(
            program_.Path(), settings_,
            [this](const Big5& pattern, const Big5& to, bool folders) {
                ++copies_;
                const Big5* wait = ShownWaitText();
                waitTexts_.push_back(wait ? *wait : "(none)");
                if (beforeCopy_) beforeCopy_();
                patterns_.push_back(pattern);
                return failCopy_ ? false : ShellCopy(pattern, to, folders);
            },
            [this](const Big5& fault) { reports_.push_back(Utf8FromBig5(fault)); });
    }

    test::TempFolder program_;
    test::TempFolder share_;
    MenuSettings settings_;
    int copies_ = 0;
    bool failCopy_ = false;
    std::function<void()> beforeCopy_;
    std::vector<Big5> waitTexts_;
    std::vector<Big5> patterns_;
    std::vector<std::string> reports_;
};

TEST_F(AutoUpdateTest, ADifferentRemoteVersionCopiesTheWholeFolderAndStoresIt) {
    Local(5);
    Remote(4);  // lower counts too
    EXPECT_EQ(Update(), UpdateOutcome::Copied);
    EXPECT_EQ(patterns_, std::vector<Big5>{share_.Path() + "*.*"});
    EXPECT_EQ(waitTexts_, std::vector<Big5>{T(u8"更新檔案異動中‧‧‧")});
    EXPECT_EQ(ShownWaitText(), nullptr);
    EXPECT_EQ(ReadFileBytes(program_.File("Menus.ini")), T(u8"[新頻道]\r\n甲=a.exe,,\r\n"));
    EXPECT_EQ(ReadFileBytes(program_.File(T(u8"圖片\\甲.bmp"))), "BM new picture");
    EXPECT_EQ(StoredVersion(), 4);
    EXPECT_EQ(settings_.Remote_Update, 4);
}

TEST_F(AutoUpdateTest, EqualVersionsByTheLowSixteenBitsCopyNothing) {
    Local(5);
    Remote(5);
    EXPECT_EQ(Update(), UpdateOutcome::UpToDate);
    Remote(65536 + 5);
    EXPECT_EQ(Update(), UpdateOutcome::UpToDate);
    EXPECT_EQ(copies_, 0);
    EXPECT_EQ(ReadFileBytes(program_.File("Menus.ini")), T(u8"[舊頻道]\r\n"));

    Local(4);
    EXPECT_EQ(Update(), UpdateOutcome::Copied);
    EXPECT_EQ(StoredVersion(), 5);
}

TEST_F(AutoUpdateTest, AMissingManifestMeansVersionZero) {
    Local(0);
    EXPECT_EQ(Update(), UpdateOutcome::UpToDate) << "right after the wizard";
    Local(3);
    EXPECT_EQ(Update(), UpdateOutcome::Copied);
    EXPECT_EQ(StoredVersion(), 0);
}

TEST_F(AutoUpdateTest, NoUpdateWhenSwitchedOffOrTheShareIsGone) {
    Local(1, false);
    Remote(2);
    EXPECT_EQ(Update(), UpdateOutcome::SwitchedOff);
    WriteFileBytes(program_.File("Corvina2.ini"),
                   "[Options]\r\nRemote_AutoUpdate=1\r\nRemote_iniPath=" + share_.Path() + "gone\r\n");
    EXPECT_EQ(Update(), UpdateOutcome::NoSource);
    EXPECT_EQ(copies_, 0);
    EXPECT_EQ(ShownWaitText(), nullptr);
}

TEST_F(AutoUpdateTest, AShareThatDoesNotAnswerInTimeIsReportedAndNothingIsCopied) {
    Local(1);
    Remote(2);
    UpdateHooks hooks;
    std::vector<Big5> probed;
    hooks.probeSource = [&](const Big5& folder) {
        probed.push_back(folder);
        return FolderProbe::NoAnswer;
    };
    hooks.copyFiles = [this](const Big5&, const Big5&, bool) { return ++copies_, true; };
    hooks.report = [this](const Big5& fault) { reports_.push_back(Utf8FromBig5(fault)); };
    EXPECT_EQ(AutoUpdate(program_.Path(), {}, settings_, hooks), UpdateOutcome::NoSource);
    EXPECT_EQ(probed, std::vector<Big5>{share_.Path()});
    EXPECT_EQ(copies_, 0);
    ASSERT_EQ(reports_.size(), 1u);
    EXPECT_THAT(reports_[0], HasSubstr(Utf8FromBig5(share_.Path())));
    EXPECT_EQ(StoredVersion(), 1);
}

TEST_F(AutoUpdateTest, AFailedCopyStoresNothingSoTheNextStartTriesAgain) {
    Local(1);
    Remote(2);
    failCopy_ = true;
    EXPECT_EQ(Update(), UpdateOutcome::CopyFailed);
    EXPECT_EQ(StoredVersion(), 1);
    EXPECT_EQ(ShownWaitText(), nullptr);
    ASSERT_EQ(reports_.size(), 1u) << "told to the administrator's log";
    EXPECT_THAT(reports_[0], HasSubstr(Utf8FromBig5(share_.Path())));
    failCopy_ = false;
    EXPECT_EQ(Update(), UpdateOutcome::Copied);
    EXPECT_EQ(copies_, 2);
    EXPECT_EQ(reports_.size(), 1u);
}

// Copied, but the version cannot be stored: reported rather than thrown,
// so the start goes on with the copied files, and the next start copies
// again.
TEST_F(AutoUpdateTest, AReadOnlySettingsFileAfterTheCopyIsReportedAndTheVersionStaysOld) {
    Local(1);
    Remote(2);
    {
        const test::WriteLock lock(program_.File("Corvina2.ini"));
        EXPECT_EQ(Update(), UpdateOutcome::VersionUnstored);
        EXPECT_EQ(ShownWaitText(), nullptr);
        EXPECT_EQ(ReadFileBytes(program_.File("Menus.ini")), T(u8"[新頻道]\r\n甲=a.exe,,\r\n"));
        EXPECT_EQ(settings_.Remote_Update, 1);
        ASSERT_EQ(reports_.size(), 1u);
        EXPECT_THAT(reports_[0], HasSubstr("Corvina2.ini"));
    }
    EXPECT_EQ(StoredVersion(), 1);
    EXPECT_EQ(Update(), UpdateOutcome::Copied);
    EXPECT_EQ(StoredVersion(), 2);
}

// Windows refuses to overwrite the running program's file (Wine may not):
// the program is renamed before the copy, and the renamed file goes at the
// next start.
TEST_F(AutoUpdateTest, TheRunningProgramIsSetAsideBeforeACopyThatHoldsIt) {
    const Big5 program = ProgramWaitingForVersion2();
    const Big5 aside = program + ".old";
    bool programInTheWay = true;
    beforeCopy_ = [&] {
        programInTheWay = FileExists(program_.File(program));
        EXPECT_EQ(ReadFileBytes(program_.File(aside)), "old program");
    };
    EXPECT_EQ(Update(), UpdateOutcome::Copied);
    EXPECT_FALSE(programInTheWay);
    EXPECT_EQ(ReadFileBytes(program_.File(program)), "new program");
    EXPECT_EQ(StoredVersion(), 2);

    EXPECT_EQ(Update(), UpdateOutcome::UpToDate);
    EXPECT_FALSE(FileExists(program_.File(aside))) << "deleted at the next start";
}

TEST_F(AutoUpdateTest, AFailedCopyPutsTheRunningProgramBack) {
    const Big5 program = ProgramWaitingForVersion2();
    failCopy_ = true;
    EXPECT_EQ(Update(), UpdateOutcome::CopyFailed);
    EXPECT_EQ(ReadFileBytes(program_.File(program)), "old program");
    EXPECT_FALSE(FileExists(program_.File(program + ".old")));

    // A source without the program leaves it where it is.
    ASSERT_TRUE(DeleteFileAt(share_.File(program)));
    beforeCopy_ = [&] { EXPECT_TRUE(FileExists(program_.File(program))); };
    failCopy_ = false;
    EXPECT_EQ(Update(), UpdateOutcome::Copied);
}

TEST_F(AutoUpdateTest, ACopyThatThrowsStillPutsTheProgramBackAndALeftoverThatWillNotGoIsReported) {
    const Big5 program = ProgramWaitingForVersion2();
    const Big5 aside = program + ".old";
    beforeCopy_ = [] { throw std::runtime_error("the copy broke"); };
    EXPECT_THROW(Update(), std::runtime_error);
    EXPECT_EQ(ReadFileBytes(program_.File(program)), "old program");
    EXPECT_FALSE(FileExists(program_.File(aside)));
    EXPECT_EQ(ShownWaitText(), nullptr);

    // The last update's program, held open by someone, cannot be deleted at
    // this start: the administrator hears of it, and the start goes on.
    beforeCopy_ = {};
    WriteFileBytes(program_.File(aside), "older program");
    const test::WriteLock held(program_.File(aside));
    Remote(1);
    EXPECT_EQ(Update(), UpdateOutcome::UpToDate);
    EXPECT_TRUE(FileExists(program_.File(aside)));
    ASSERT_EQ(reports_.size(), 1u);
    EXPECT_THAT(reports_[0], HasSubstr(Utf8FromBig5(program_.File(aside))));
}

}  // namespace
}  // namespace corvina
