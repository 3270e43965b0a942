#include "settings/settings.h"

#include <gtest/gtest.h>

#include "settings/settings_files.h"
#include "support/temp_folder.h"
#include "sys/files.h"
#include "sys/text.h"

namespace corvina {
namespace {

MenuSettings ReadParams(const std::string& options, std::vector<UnreadableColor>* unreadable = nullptr) {
    MenuSettings settings;
    auto problems = ReadMenuSettings(ProfileText("[Options]\r\n" + options), settings);
    if (unreadable) *unreadable = problems;
    return settings;
}

TEST(MenuSettingsReading, DefaultsWhenTheFileIsEmpty) {
    const MenuSettings settings = ReadParams("");
    EXPECT_TRUE(settings.PageBackgrounds.empty());
    EXPECT_EQ(settings.HomePage, "");
    EXPECT_FALSE(settings.HideDeskTop);
    EXPECT_FALSE(settings.HideTaskBar);
    EXPECT_FALSE(settings.MustSelectMenu);
    EXPECT_FALSE(settings.FrameSmallSize);
    EXPECT_TRUE(settings.CanQuit);
    EXPECT_TRUE(settings.Support);
    EXPECT_TRUE(settings.AutoIntoMenu);
    EXPECT_EQ(settings.StatsFolder, "") << "no statistics unless asked for";
}

TEST(MenuSettingsReading, TheStatisticsFolderIsTakenWithoutSurroundingBlanks) {
    EXPECT_EQ(ReadParams("StatsFolder=  \\\\server\\stats \r\n").StatsFolder, "\\\\server\\stats");
    EXPECT_EQ(ReadParams("StatsFolder=   \r\n").StatsFolder, "");
}

TEST(MenuSettingsReading, BooleansAndTheTwoFixedKeys) {
    const MenuSettings settings = ReadParams(
        "CanQuit=0\r\nSupport=0\r\nAutoIntoMenu=0\r\nHideDeskTop=1\r\nHideTaskBar=$1\r\n"
        "MustSelectMenu=2\r\nFrameSmallSize=-1\r\nHomePage=  www.example.com.tw  \r\n");
    EXPECT_FALSE(settings.CanQuit);
    EXPECT_TRUE(settings.Support);
    EXPECT_TRUE(settings.AutoIntoMenu);
    EXPECT_TRUE(settings.HideDeskTop);
    EXPECT_TRUE(settings.HideTaskBar);
    EXPECT_TRUE(settings.MustSelectMenu);
    EXPECT_TRUE(settings.FrameSmallSize);
    EXPECT_EQ(settings.HomePage, "www.example.com.tw");
    EXPECT_TRUE(ReadParams("CanQuit=yes\r\n").CanQuit);
}

TEST(PageBackgrounds, ListStopsAtTheFirstPageWithNeitherKey) {
    EXPECT_TRUE(ReadParams("BackGroud1=two.jpg\r\nBackGroudColor1=clRed\r\n").PageBackgrounds.empty());
    const MenuSettings settings =
        ReadParams("BackGroudColor=clRed\r\nBackGroud1=p1.jpg\r\nBackGroudColor2=$00FF00\r\nBackGroud4=p4.jpg\r\n");
    ASSERT_EQ(settings.PageBackgrounds.size(), 3u);
    EXPECT_EQ(settings.PageBackgrounds[0].color, Color::Rgb(255, 0, 0));
    EXPECT_EQ(settings.PageBackgrounds[0].picture, "");
    EXPECT_EQ(settings.PageBackgrounds[1].color, kLightOrange);  // a picture without a colour
    EXPECT_EQ(settings.PageBackgrounds[1].picture, "p1.jpg");
    EXPECT_EQ(settings.PageBackgrounds[2].color, Color::Rgb(0, 255, 0));
}

TEST(PageBackgrounds, EntryReportsFoundAndTheLightOrangeText) {
    const ProfileText params("[Options]\r\nBackGroud=a.jpg\r\n");
    const PageBackgroundEntry first = ReadPageBackground(params, 0);
    EXPECT_TRUE(first.found);
    EXPECT_EQ(first.picture, "a.jpg");
    EXPECT_EQ(ColorFromText(first.colorText), kLightOrange);
    EXPECT_FALSE(ReadPageBackground(params, 1).found);
}

TEST(PageBackgrounds, AnUnreadableColourCostsOnlyItsPage) {
    std::vector<UnreadableColor> unreadable;
    const MenuSettings settings = ReadParams(
        "BackGroudColor=clRed\r\nBackGroudColor1=clRedd\r\nBackGroud1=p.jpg\r\nBackGroudColor2=clBlue\r\n"
        "CanQuit=0\r\nHideDeskTop=1\r\n",
        &unreadable);
    ASSERT_EQ(settings.PageBackgrounds.size(), 3u);
    EXPECT_EQ(settings.PageBackgrounds[1].color, kLightOrange);
    EXPECT_EQ(settings.PageBackgrounds[1].picture, "p.jpg");
    EXPECT_EQ(settings.PageBackgrounds[2].color, Color::Rgb(0, 0, 255));
    // The keys after the page list are still read.
    EXPECT_FALSE(settings.CanQuit);
    EXPECT_TRUE(settings.HideDeskTop);
    ASSERT_EQ(unreadable.size(), 1u);
    EXPECT_EQ(unreadable[0].key, "BackGroudColor1");
    EXPECT_EQ(unreadable[0].text, "clRedd");
    const Big5 message = UnreadableColorMessage(unreadable);
    EXPECT_NE(message.find("BackGroudColor1=clRedd"), std::string::npos);
}

TEST(LocalSettingsReading, FoldersGetABackslashAndTheVersionWraps) {
    MenuSettings settings;
    ReadLocalSettings(ProfileText("[Options]\r\nRemote_iniPath=\\\\server\\update\r\nRemote_SavePath=   \r\n"
                                  "Logo=C:\\logo.bmp\r\nRemote_Update=70000\r\nRemote_AutoUpdate=1\r\n"),
                      settings);
    EXPECT_EQ(settings.Remote_iniPath, "\\\\server\\update\\");
    EXPECT_EQ(settings.Remote_SavePath, "");
    EXPECT_EQ(settings.Logo, "C:\\logo.bmp");
    EXPECT_EQ(settings.Remote_Update, 70000 % 65536);
    EXPECT_TRUE(settings.Remote_AutoUpdate);

    ReadLocalSettings(ProfileText("[Options]\r\nRemote_Update=-1\r\nRemote_AutoUpdate=x\r\n"), settings);
    EXPECT_EQ(settings.Remote_Update, 65535);
    EXPECT_FALSE(settings.Remote_AutoUpdate);
    EXPECT_EQ(settings.Remote_iniPath, "");
}

TEST(SettingsFiles, MissingFilesReadAsDefaultsAndTheVersionIsStoredInPlace) {
    test::TempFolder folder;
    MenuSettings settings;
    ReadLocalSettings(folder.Path(), settings);
    EXPECT_TRUE(ReadMenuSettings(folder.Path(), settings).empty());
    EXPECT_EQ(settings.Remote_Update, 0);

    WriteFileBytes(folder.File("Corvina2.ini"),
                   "[Options]\r\nRemote_iniPath=" + T(u8"\\\\伺服器\\更新") + "\r\nRemote_Update=1\r\n");
    ReadLocalSettings(folder.Path(), settings);
    EXPECT_EQ(settings.Remote_iniPath, T(u8"\\\\伺服器\\更新\\"));
    settings.Remote_Update = 513;
    StoreLocalVersion(folder.Path(), settings);
    EXPECT_EQ(ReadFileBytes(folder.File("Corvina2.ini")),
              "[Options]\r\nRemote_iniPath=" + T(u8"\\\\伺服器\\更新") + "\r\nRemote_Update=513\r\n");
}

// Started at log-on the menu's current folder is the system folder: the
// settings' own files are found from the program folder instead.
TEST(SettingsFiles, RelativePathsAreTakenFromTheProgramFolder) {
    test::TempFolder folder;
    WriteFileBytes(folder.File("Corvina2.ini"),
                   "[Options]\r\nLogo=logo.jpg\r\nRemote_SavePath=Records\r\nRemote_iniPath=\\\\srv\\up\r\n");
    WriteFileBytes(folder.File("Params.ini"),
                   "[Options]\r\nBackGroud=Backgrounds\\page1.jpg\r\nBackGroudColor1=clWhite\r\n"
                   "BackGroud2=D:\\p3.jpg\r\nSubItemMAP=NoPic.bmp\r\nHomePage=index.htm\r\n");
    MenuSettings settings;
    ReadLocalSettings(folder.Path(), settings);
    EXPECT_TRUE(ReadMenuSettings(folder.Path(), settings).empty());
    EXPECT_EQ(settings.Logo, folder.Path() + "logo.jpg");
    EXPECT_EQ(settings.Remote_SavePath, folder.Path() + "Records\\");
    EXPECT_EQ(settings.Remote_iniPath, "\\\\srv\\up\\");
    ASSERT_EQ(settings.PageBackgrounds.size(), 3u);
    EXPECT_EQ(settings.PageBackgrounds[0].picture, folder.Path() + "Backgrounds\\page1.jpg");
    EXPECT_EQ(settings.PageBackgrounds[1].picture, "") << "a page without a picture keeps none";
    EXPECT_EQ(settings.PageBackgrounds[2].picture, "D:\\p3.jpg");
    EXPECT_EQ(settings.SubItemMAP, folder.Path() + "NoPic.bmp");
    EXPECT_EQ(settings.HomePage, "index.htm") << "the browser button's own rule completes it";
}

TEST(SettingsFiles, WriteErrorsAreReported) {
    test::TempFolder folder;
    EXPECT_THROW(StoreLocalVersion(folder.Path() + "missing-folder/", MenuSettings{}), std::runtime_error);
}

}  // namespace
}  // namespace corvina
