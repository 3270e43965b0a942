#include <gtest/gtest.h>

#include "app/auto_update.h"
#include "app/first_run_rules.h"
#include "sys/text.h"

namespace corvina {
namespace {

TEST(WizardSettings, WrittenOverTheOldValuesKeepingEveryOtherLine) {
    ProfileText ini(T(u8"; 本機設定\r\n[Options]\r\nRemote_Update=7\r\nLogo=old.bmp\r\nKeep=1\r\n[Other]\r\nx=y\r\n"));
    WriteWizardSettings(ini, {"\\\\srv\\upd", T(u8"\\\\srv\\存檔"), "C:\\logo.jpg", false});
    EXPECT_EQ(ini.Contents(), T(u8"; 本機設定\r\n[Options]\r\nRemote_Update=0\r\nLogo=C:\\logo.jpg\r\nKeep=1\r\n"
                                u8"Remote_iniPath=\\\\srv\\upd\r\nRemote_SavePath=\\\\srv\\存檔\r\n"
                                u8"Remote_AutoUpdate=0\r\n[Other]\r\nx=y\r\n"));
    // Read back as stored: no backslash is added to the folders.
    EXPECT_EQ(ReadWizardValues(ini), (WizardValues{"\\\\srv\\upd", T(u8"\\\\srv\\存檔"), "C:\\logo.jpg", false}));
}

TEST(WizardSettings, AnEmptyFileReadsAsBlankValuesWithoutUpdate) {
    EXPECT_EQ(ReadWizardValues(ProfileText{}), WizardValues{});
    ProfileText ini;
    WriteWizardSettings(ini, {"", "", "", true});
    EXPECT_TRUE(ini.ReadBool(kOptionsSection, "Remote_AutoUpdate", false));
    EXPECT_EQ(ini.ReadInteger(kOptionsSection, "Remote_Update", -1), 0);
}

TEST(WizardSettings, TheWelcomeTextHasElevenLines) {
    const std::vector<Big5> lines = FirstRunMemoLines();
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[3], T(u8" 但必需配合【VEXEL 網咖管理系統】2.5 以上版本使用，有關詳"));
    EXPECT_TRUE(lines[8].ends_with(T(u8"（安裝路徑下）")));
    EXPECT_TRUE(lines[8].starts_with(T(u8"　　　")));
    EXPECT_EQ(lines[10], T(u8" 另有該遊戲選單之系統設定參數軟體請向本公司索取。"));
}

TEST(WizardSettings, TheAutostartCommandIsQuotedOnlyWhenItHoldsABlank) {
    EXPECT_EQ(WizardAutoStartCommand("C:\\Corvina2\\", "Corvina2"), "C:\\Corvina2\\Corvina2.exe");
    EXPECT_EQ(WizardAutoStartCommand("C:\\Program Files\\Corvina2\\", "Corvina2"),
              "\"C:\\Program Files\\Corvina2\\Corvina2.exe\"");
}

TEST(UpdateVersion, ComparedAndStoredByTheLowSixteenBits) {
    EXPECT_EQ(VersionNumber(5), 5);
    EXPECT_EQ(VersionNumber(65536 + 5), 5);
    EXPECT_EQ(VersionNumber(65536), 0);
    EXPECT_EQ(VersionNumber(-1), 0xFFFF);
    EXPECT_EQ(SetAsideName("Corvina2.exe"), "Corvina2.exe.old");
}

}  // namespace
}  // namespace corvina
