// The first-run wizard driven by its buttons, writing Corvina2.ini in a
// temporary program folder and the autostart value in the Wine prefix's
// registry (removed again afterwards).

#include "app/first_run.h"
#include "app/first_run_rules.h"

#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/registry_denial.h"
#include "support/temp_folder.h"
#include "support/write_lock.h"
#include "sys/files.h"
#include "sys/profile_file.h"
#include "sys/shell_rules.h"
#include "sys/text.h"
#include "sys/win32/program_path.h"
#include "sys/win32/registry.h"
#include "ui/timer.h"
#include "ui/ui_fixture.h"

namespace corvina {
namespace {

using ::testing::HasSubstr;

constexpr wchar_t kRunKeyW[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

class AnsweringFolders final : public FolderChooser {
public:
    bool Execute() override {
        ++runs;
        return !answer.empty();
    }
    Big5 Directory() const override { return answer; }
    Big5 answer;
    int runs = 0;
};

class AnsweringPictures final : public OpenFileChooser {
public:
    bool Execute() override { return !answer.empty(); }
    Big5 FileName() const override { return answer; }
    Big5 answer;
};

// The autostart value, or nothing.
std::optional<std::wstring> AutoStartValue() {
    wchar_t data[512]{};
    DWORD size = sizeof data;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, kRunKeyW, L"Corvina2", RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::wstring(data);
}

class FirstRunTest : public ui::test::UiTest {
protected:
    FirstRunTest() { RemoveAutoStart(kAutoStartValueName, 0); }
    ~FirstRunTest() override { RemoveAutoStart(kAutoStartValueName, 0); }

    Big5 IniPath() const { return folder_.File("Corvina2.ini"); }
    ProfileText Ini() const { return LoadProfile(IniPath()); }
    void WriteIni(const char8_t* utf8) { WriteFileBytes(IniPath(), T(utf8)); }

    ui::FormPtr<TfFirstRun> Open() {
        return ui::MakeForm<TfFirstRun>(folder_.Path(), FirstRunDialogs{&folders_, &pictures_});
    }

    std::wstring ExpectedAutoStart() const {
        return WideFromBig5(AutoStartData(WizardAutoStartCommand(folder_.Path(), ProgramBaseName())));
    }

    test::TempFolder folder_;
    AnsweringFolders folders_;
    AnsweringPictures pictures_;
};

TEST_F(FirstRunTest, OpensOnTheWelcomeSheetWithTheStoredValues) {
    WriteIni(u8"[Options]\r\nRemote_iniPath=\\\\srv\\更新\r\nRemote_SavePath=\\\\srv\\存檔\r\nLogo=logo.jpg\r\n");
    auto wizard = Open();
    EXPECT_EQ(wizard->Caption(), T(u8"第一次安裝設定"));
    EXPECT_EQ(wizard->ClientWidth(), 426);
    EXPECT_EQ(wizard->ClientHeight(), 259);
    EXPECT_EQ(GetWindowLongPtrW(wizard->Handle(), GWL_STYLE) & WS_SYSMENU, 0);
    EXPECT_EQ(wizard->WizardStep(), 0);
    EXPECT_EQ(wizard->SetPages().ActivePageIndex(), 0);
    EXPECT_EQ(wizard->Memo1().Lines().size(), 11u);

    EXPECT_EQ(wizard->T_iniPath().Text(), T(u8"\\\\srv\\更新"));  // as stored, no backslash added
    EXPECT_EQ(wizard->T_SavePath().Text(), T(u8"\\\\srv\\存檔"));
    EXPECT_EQ(wizard->T_Logo().Text(), "logo.jpg");
    EXPECT_TRUE(wizard->Chk_Start().Checked());
    // No Remote_AutoUpdate: unchecked, so the update folder is greyed.
    EXPECT_FALSE(wizard->Chk_autoUpdate().Checked());
    EXPECT_FALSE(wizard->T_iniPath().Enabled());
    EXPECT_EQ(wizard->T_iniPath().Color(), Color::Rgb(128, 128, 128));
    EXPECT_EQ(wizard->Label7().Caption(), "Version 2.0");
    EXPECT_EQ(wizard->SetPages().Page(2).Picture().Width(), 308);
}

TEST_F(FirstRunTest, NextPriorNextNextWritesOnceKeepingTheRestOfTheFile) {
    WriteIni(u8"; 本機\r\n[Options]\r\nRemote_Update=9\r\nRemote_AutoUpdate=1\r\nOther=keep\r\n");
    auto wizard = Open();
    EXPECT_TRUE(wizard->T_iniPath().Enabled());
    EXPECT_EQ(wizard->T_iniPath().Color(), Color::System(5));

    wizard->B_NExt().Click();
    EXPECT_EQ(wizard->SetPages().ActivePageIndex(), 1);
    wizard->B_Prior().Click();
    EXPECT_EQ(wizard->WizardStep(), 0);
    EXPECT_EQ(wizard->SetPages().ActivePageIndex(), 0);
    wizard->B_NExt().Click();
    EXPECT_EQ(Ini().ReadInteger("Options", "Remote_Update", -1), 9) << "nothing written before leaving sheet 1";

    wizard->T_iniPath().SetText(T(u8"\\\\srv\\更新"));
    folders_.answer = T(u8"D:\\存檔");
    wizard->B_SavePath().Click();
    pictures_.answer = "C:\\logo.bmp";
    wizard->B_logo().Click();
    wizard->B_NExt().Click();

    EXPECT_EQ(wizard->WizardStep(), 2);
    EXPECT_EQ(wizard->SetPages().ActivePageIndex(), 2);
    EXPECT_EQ(wizard->B_NExt().Caption(), T(u8"完　成"));
    EXPECT_EQ(ReadFileBytes(IniPath()),
              T(u8"; 本機\r\n[Options]\r\nRemote_Update=0\r\nRemote_AutoUpdate=1\r\nOther=keep\r\n"
                u8"Remote_iniPath=\\\\srv\\更新\r\nRemote_SavePath=D:\\存檔\r\nLogo=C:\\logo.bmp\r\n"));
    EXPECT_EQ(AutoStartValue(), ExpectedAutoStart());

    WriteIni(u8"[Options]\r\nchanged=elsewhere\r\n");
    wizard->B_NExt().Click();  // "完　成"
    EXPECT_EQ(wizard->WizardStep(), 3);
    EXPECT_FALSE(wizard->Visible());
    EXPECT_EQ(ReadFileBytes(IniPath()), T(u8"[Options]\r\nchanged=elsewhere\r\n")) << "written once only";
    EXPECT_TRUE(errors_.empty());
}

TEST_F(FirstRunTest, CancelledDialogsLeaveTheEditsAndTheButtonTagPicksTheEdit) {
    WriteIni(u8"[Options]\r\nRemote_iniPath=a\r\nRemote_SavePath=b\r\nLogo=c\r\n");
    auto wizard = Open();
    wizard->B_iniPath().Click();
    wizard->B_SavePath().Click();
    wizard->B_logo().Click();
    EXPECT_EQ(folders_.runs, 2);
    EXPECT_EQ(wizard->T_iniPath().Text(), "a");
    EXPECT_EQ(wizard->T_SavePath().Text(), "b");
    EXPECT_EQ(wizard->T_Logo().Text(), "c");
    folders_.answer = "\\\\nas\\upd";
    wizard->B_iniPath().Click();
    EXPECT_EQ(wizard->T_iniPath().Text(), "\\\\nas\\upd");
    EXPECT_EQ(wizard->T_SavePath().Text(), "b");
}

TEST_F(FirstRunTest, UncheckedChoicesGreyTheUpdateFolderButStillWriteItAndRemoveTheAutostart) {
    SetAutoStart(kAutoStartValueName, "C:\\OLD\\CORVINA2.EXE", 0);
    ASSERT_TRUE(AutoStartValue());
    WriteIni(u8"[Options]\r\nRemote_AutoUpdate=1\r\n");
    auto wizard = Open();
    wizard->B_NExt().Click();
    wizard->T_iniPath().SetText("\\\\srv\\upd");
    wizard->Chk_autoUpdate().SetChecked(false);  // its click event follows
    EXPECT_FALSE(wizard->T_iniPath().Enabled());
    EXPECT_EQ(wizard->T_iniPath().Color(), Color::Rgb(128, 128, 128));
    wizard->Chk_Start().SetChecked(false);
    wizard->B_NExt().Click();

    const ProfileText ini = Ini();
    EXPECT_EQ(ini.ReadString("Options", "Remote_iniPath"), "\\\\srv\\upd");
    EXPECT_FALSE(ini.ReadBool("Options", "Remote_AutoUpdate", true));
    EXPECT_EQ(ini.ReadInteger("Options", "Remote_Update", -1), 0);
    EXPECT_FALSE(AutoStartValue());
    EXPECT_TRUE(errors_.empty());
}

TEST_F(FirstRunTest, AReadOnlySettingsFileKeepsTheWizardOnItsSheetAndNextTriesAgain) {
    WriteIni(u8"[Options]\r\nRemote_Update=3\r\n");
    test::WriteLock lock(IniPath());
    auto wizard = Open();
    wizard->B_NExt().Click();
    wizard->B_NExt().Click();

    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_EQ(wizard->WizardStep(), 1);
    EXPECT_EQ(wizard->SetPages().ActivePageIndex(), 1);
    EXPECT_EQ(wizard->B_NExt().Caption(), T(u8"下一步"));
    EXPECT_FALSE(AutoStartValue()) << "the autostart follows a written file only";

    lock.Release();
    wizard->B_NExt().Click();
    EXPECT_EQ(wizard->WizardStep(), 2);
    EXPECT_EQ(Ini().ReadInteger("Options", "Remote_Update", -1), 0);
    EXPECT_EQ(AutoStartValue(), ExpectedAutoStart());
}

// Without an administrator's rights the machine-wide autostart list may be
// read but not changed: a removal refused is a failure like a refused
// write, and the operator learns why.
TEST_F(FirstRunTest, ARefusedRemovalOfTheAutostartKeepsTheWizardOnItsSheetAndNextTriesAgain) {
    SetAutoStart(kAutoStartValueName, "C:\\OLD\\CORVINA2.EXE", 0);
    auto wizard = Open();
    wizard->B_NExt().Click();
    wizard->Chk_Start().SetChecked(false);
    {
        const test::ValueChangesDenied denied(HKEY_LOCAL_MACHINE, kRunKeyW);
        wizard->B_NExt().Click();
        ASSERT_EQ(errors_.size(), 1u);
        EXPECT_THAT(Utf8FromBig5(errors_[0]), HasSubstr("Corvina2"));
        EXPECT_EQ(wizard->WizardStep(), 1);
        EXPECT_EQ(wizard->SetPages().ActivePageIndex(), 1);
        EXPECT_TRUE(AutoStartValue());

        // Nothing to remove is no failure, rights or not.
        EXPECT_NO_THROW(RemoveAutoStart("Corvina2Absent", 0));
    }
    wizard->B_NExt().Click();
    EXPECT_EQ(wizard->WizardStep(), 2);
    EXPECT_FALSE(AutoStartValue());
    EXPECT_EQ(errors_.size(), 1u);
}

// The button of a window's child with that caption.
HWND ChildWithText(HWND parent, const std::wstring& text) {
    struct Search {
        std::wstring text;
        HWND found = nullptr;
    } search{text};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) {
            auto* s = reinterpret_cast<Search*>(data);
            wchar_t caption[64]{};
            GetWindowTextW(child, caption, 64);
            if (s->text != caption || !IsWindowVisible(child)) return TRUE;
            s->found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

TEST_F(FirstRunTest, RunsModallyUntilFinished) {
    std::vector<std::wstring> pressed;
    ui::Timer presser(30);
    presser.OnTimer = [&pressed](ui::Timer&) {
        const HWND wizard = FindWindowW(L"TfFirstRun", nullptr);
        if (!wizard || !IsWindowVisible(wizard)) return;
        for (const wchar_t* caption : {L"下一步", L"完　成"}) {
            if (const HWND button = ChildWithText(wizard, caption)) {
                pressed.push_back(caption);
                PostMessageW(button, BM_CLICK, 0, 0);
                return;
            }
        }
    };
    RunFirstRunWizard(folder_.Path(), FirstRunDialogs{&folders_, &pictures_});
    EXPECT_EQ(pressed, (std::vector<std::wstring>{L"下一步", L"下一步", L"完　成"}));
    EXPECT_EQ(Ini().ReadInteger("Options", "Remote_Update", -1), 0);
    EXPECT_EQ(FindWindowW(L"TfFirstRun", nullptr), nullptr);
    EXPECT_TRUE(errors_.empty());
}

}  // namespace
}  // namespace corvina
