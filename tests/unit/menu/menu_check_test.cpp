#include "menu/menu_check.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "folder_reader.h"
#include "menu/menu_data.h"
#include "support/temp_folder.h"
#include "sys/file_encoding.h"
#include "sys/files.h"
#include "sys/profile.h"
#include "sys/text.h"

namespace corvina {
namespace {

using ::testing::AllOf;
using ::testing::Contains;
using ::testing::Field;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;

const std::string kDemoPictures = CORVINA_SOURCE_DIR "/../demo/LinkBMP/";

// A café folder on disk; texts are given in UTF-8 and written as Big5.
class CafeFolder {
public:
    CafeFolder() { std::filesystem::create_directories(Path() + "LinkBMP"); }

    const std::string& Path() const { return folder_.Path(); }
    void WriteBytes(const std::string& name, std::string_view bytes) const {
        WriteFileBytes(Path() + Big5FromUtf8(name), bytes);
    }
    void WriteBig5(const std::string& name, std::u8string_view utf8) const { WriteBytes(name, T(utf8)); }
    void CopyDemoPicture(const std::string& from, const std::string& to,
                         std::size_t keepBytes = std::string::npos) const {
        const std::string bytes = *ReadFileBytes(kDemoPictures + from);
        WriteBytes("LinkBMP/" + to, std::string_view(bytes).substr(0, keepBytes));
    }
    std::vector<CheckFinding> Check() const {
        DiskCafeFolderReader reader;
        return CheckCafeFolder(Big5{Path()}, reader);
    }

private:
    test::TempFolder folder_;
};

auto Finding(const std::string& file, int line, const std::string& words) {
    return AllOf(Field(&CheckFinding::file, file), Field(&CheckFinding::line, line),
                 Field(&CheckFinding::problem, HasSubstr(words)));
}

TEST(MenuCheck, AFolderAsTheMenuWantsItHasNoFindings) {
    CafeFolder cafe;
    cafe.WriteBytes("game.exe", "MZ");
    cafe.WriteBytes("說明.txt", "x");
    cafe.CopyDemoPicture("racing.jpg", "racing.jpg");
    cafe.CopyDemoPicture("blocks.bmp", "方塊.bmp");
    cafe.WriteBig5("Menus.ini",
                   u8"[熱門遊戲]\r\n極速狂飆=game.exe,racing.jpg,1\r\n方塊迷陣=game.exe,方塊.bmp,\r\n"
                   u8"; a comment\r\n[工具]\r\n使用須知=說明.txt,,\r\n");
    cafe.WriteBig5("Params.ini",
                   u8"[Options]\r\nBackGroudColor=clWhite\r\nBackGroudColor1=$00EEDCCD\r\n"
                   u8"BackGroud1=LinkBMP\\racing.jpg\r\nCanQuit=0\r\n");
    cafe.WriteBig5("極速狂飆.ini", u8"[WebLink]\r\n官方網站=http://example.com/\r\n[Memo]\r\n1=說明\r\n");
    EXPECT_THAT(cafe.Check(), IsEmpty());
}

TEST(MenuCheck, MenusIniProblemsNameTheirLine) {
    CafeFolder cafe;
    cafe.WriteBytes("game.exe", "MZ");
    cafe.CopyDemoPicture("racing.jpg", "cut.jpg", 2000);
    cafe.WriteBytes("LinkBMP/noise.bmp", "BM not really a bitmap");
    cafe.WriteBytes("LinkBMP/shot.png", "\x89PNG\r\n\x1a\n....");
    cafe.WriteBig5("Menus.ini",
                   u8"[Games]\r\n"                          // 1
                   u8"NoComma=C:\\Games\\game.exe\r\n"      // 2
                   u8"Gone=missing.exe,,\r\n"               // 3
                   u8"NoPicture=game.exe,nothere.jpg,\r\n"  // 4
                   u8"Cut=game.exe,cut.jpg,\r\n"            // 5
                   u8"Noise=game.exe,noise.bmp,\r\n"        // 6
                   u8"Png=game.exe,shot.png,\r\n"           // 7
                   u8"JustAName\r\n"                        // 8
                   u8"[Broken\r\n"                          // 9
                   u8"game=game.exe,,\r\n"                  // 10: joins [Games]
                   u8"Game=game.exe,,\r\n"                  // 11: the same caption under another case
                   u8"What?=game.exe,,\r\n"                 // 12
                   u8"[Empty]\r\n"                          // 13
                   u8"[games]\r\n"                          // 14
                   u8"Hidden=game.exe,,\r\n");              // 15
    EXPECT_THAT(cafe.Check(),
                UnorderedElementsAre(
                    Finding("Menus.ini", 14, "appears a second time (first at line 1)"),
                    Finding("Menus.ini", 2, "has no target"), Finding("Menus.ini", 3, "\"missing.exe\" does not exist"),
                    Finding("Menus.ini", 4, "\"LinkBMP\\nothere.jpg\" does not exist"),
                    Finding("Menus.ini", 5, "cut short"), Finding("Menus.ini", 6, "bitmap is damaged"),
                    Finding("Menus.ini", 7, "PNG"), Finding("Menus.ini", 8, "has no \"=\""),
                    Finding("Menus.ini", 9, "has no \"]\""), Finding("Menus.ini", 11, "share the file \"Game.ini\""),
                    Finding("Menus.ini", 12, "holds \"?\""), Finding("Menus.ini", 13, "has no items")));
}

TEST(MenuCheck, EncodingsOtherThanBig5AreSaidPlainly) {
    CafeFolder cafe;
    cafe.WriteBytes("game.exe", "MZ");
    // What a modern editor saves: UTF-8 with a mark, so the first header is lost.
    cafe.WriteBytes("Menus.ini", "\xEF\xBB\xBF[\xE9\x81\x8A\xE6\x88\xB2]\r\nA=game.exe,,\r\n[B]\r\nC=game.exe,,\r\n");
    cafe.WriteBytes("Params.ini", "[Options]\r\nHomePage=\xE9\xA6\x96\xE9\xA0\x81.htm\r\n");
    const std::vector<CheckFinding> findings = cafe.Check();
    EXPECT_THAT(findings, UnorderedElementsAre(Finding("Menus.ini", 1, "UTF-8 with a byte-order mark"),
                                               Finding("Menus.ini", 1, "stands before the first section"),
                                               Finding("Menus.ini", 2, "stands before the first section"),
                                               Finding("Params.ini", 0, "saved as UTF-8, not Big5")));

    // Big5 Chinese of all kinds of lead and trail bytes is never taken for UTF-8.
    const Big5 big5 = T(u8"許功蓋餐飲熱門遊戲天空之城極速狂飆台灣麻將說明使用須知");
    EXPECT_EQ(GuessTextEncoding(big5), TextEncoding::Big5OrAscii);
    EXPECT_EQ(GuessTextEncoding("\xFF\xFE[\0O\0"), TextEncoding::Utf16);
    EXPECT_EQ(GuessTextEncoding("plain ASCII=1"), TextEncoding::Big5OrAscii);
}

TEST(MenuCheck, ParamsIniProblemsNameTheirLine) {
    CafeFolder cafe;
    cafe.WriteBig5("Menus.ini", u8"[A]\r\nNote=Menus.ini,,\r\n");
    cafe.CopyDemoPicture("blocks.bmp", "blocks.bmp");
    cafe.WriteBig5("Params.ini",
                   u8"[Options]\r\n"                       // 1
                   u8"BackGroudColor=clSkyBlu\r\n"         // 2
                   u8"BackGroud=Backgrounds\\p1.jpg\r\n"   // 3
                   u8"BackGroudColor1=$00FF00\r\n"         // 4
                   u8"BackGroudColor3=clRed\r\n"           // 5
                   u8"SubItemMAP=LinkBMP\\blocks.bmp\r\n"  // 6
                   u8"CanQuit=yes\r\n"                     // 7
                   u8"HideTaskBar=1\r\n");                 // 8
    EXPECT_THAT(cafe.Check(), UnorderedElementsAre(Finding("Params.ini", 2, "is no colour"),
                                                   Finding("Params.ini", 3, "\"Backgrounds\\p1.jpg\" does not exist"),
                                                   Finding("Params.ini", 5, "BackGroudColor3 is never read"),
                                                   Finding("Params.ini", 7, "CanQuit = \"yes\" is not a number")));
}

TEST(MenuCheck, AMenuWithoutChannelsOrPastTheItemLimit) {
    CafeFolder cafe;
    EXPECT_THAT(cafe.Check(), UnorderedElementsAre(Finding("Menus.ini", 0, "Menus.ini is missing")));

    cafe.WriteBig5("Menus.ini", u8"; nothing but a comment\r\n");
    EXPECT_THAT(cafe.Check(), UnorderedElementsAre(Finding("Menus.ini", 0, "has no channels")));

    cafe.WriteBytes("game.exe", "MZ");
    std::string menu;
    for (int channel = 0; channel < 2; ++channel) {
        menu += "[C" + std::to_string(channel) + "]\r\n";
        for (int item = 0; item < 501; ++item)
            menu += "c" + std::to_string(channel) + "i" + std::to_string(item) + "=game.exe,,\r\n";
    }
    cafe.WriteBytes("Menus.ini", menu);
    // [C0], 501 items, [C1], 499 items: the 1001st item is on line 1003.
    EXPECT_THAT(cafe.Check(), UnorderedElementsAre(Finding("Menus.ini", 1003, "beyond the 1000 items")));
}

// The menus a new PC gets from the installer or the zip, and the demo café:
// every customer can click every item of them.
TEST(SampleMenus, OfferNoShellNoSystemToolAndNoFileDialog) {
    for (const char* file : {"/../packaging/sample/Menus.ini", "/../demo/text/Menus.ini"}) {
        const std::optional<std::string> utf8 = ReadFileBytes(std::string(CORVINA_SOURCE_DIR) + file);
        ASSERT_TRUE(utf8) << file;
        EXPECT_EQ(Utf8FromBig5(Big5FromUtf8(*utf8)), *utf8) << file << " holds characters that Big5 lacks";
        const MenuData menu = ReadMenu(ProfileText(Big5FromUtf8(*utf8)));
        ASSERT_FALSE(menu.channels.empty()) << file;
        for (const MenuChannel& channel : menu.channels) {
            for (const MenuLine& line : channel.lines) {
                EXPECT_EQ(WhatItOpensToCustomers(line.item.Target), std::nullopt)
                    << file << ": " << Utf8FromBig5(line.item.Caption);
            }
        }
    }
}

TEST(SampleMenus, TheShellsAndToolsOfAPcAreKnownInAnyLetterCase) {
    for (const char* target :
         {"C:\\WINDOWS\\system32\\CMD.EXE", "cmd.exe", "C:/Windows/explorer.exe", "C:\\Windows\\System32\\control.exe",
          "C:\\Windows\\System32\\WindowsPowerShell\\v1.0\\powershell.exe", "C:\\Windows\\System32\\taskmgr.exe",
          "C:\\Windows\\System32\\devmgmt.msc", "C:\\Windows\\System32\\ncpa.cpl", "C:\\Windows\\regedit.exe",
          "C:\\Windows\\notepad.exe", "C:\\Windows\\System32\\mspaint.exe"}) {
        EXPECT_NE(WhatItOpensToCustomers(target), std::nullopt) << target;
    }
    for (const char* target : {"C:\\Games\\cmdr\\Commander.exe", "C:\\Windows\\System32\\calc.exe",
                               "C:\\Games\\Explorer\\game.exe", "C:\\Docs\\cmd.txt", ""}) {
        EXPECT_EQ(WhatItOpensToCustomers(target), std::nullopt) << target;
    }
}

// The sample as the installer lays it down (Big5, CR LF) is reported as
// such, and so is any item that gives customers a prompt.
TEST(MenuCheck, TheSampleAndItemsThatOpenThePcAreReported) {
    CafeFolder cafe;
    const std::string sample = *ReadFileBytes(CORVINA_SOURCE_DIR "/../packaging/sample/Menus.ini");
    std::string crlf;
    for (const char c : sample) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    cafe.WriteBytes("Menus.ini", Big5FromUtf8(crlf));
    EXPECT_THAT(cafe.Check(), Contains(Finding("Menus.ini", 1, "still the sample")));

    cafe.WriteBytes("game.exe", "MZ");
    cafe.WriteBytes("cmd.exe", "MZ");
    cafe.WriteBig5("Menus.ini",
                   u8"[Games]\r\nGame=game.exe,,\r\nPrompt=cmd.exe,,\r\nFiles=C:\\Windows\\explorer.exe,,\r\n");
    EXPECT_THAT(cafe.Check(), UnorderedElementsAre(Finding("Menus.ini", 3, "gives every customer a command prompt"),
                                                   Finding("Menus.ini", 4, "does not exist"),
                                                   Finding("Menus.ini", 4, "gives every customer Explorer")));
}

TEST(MenuCheck, NativePathsKeepTrailBytesThatLookLikeBackslashes) {
    // 許 is A9 5C in Big5: its second byte is no folder separator.
    const Big5 path = T(u8"cafe\\LinkBMP\\許.bmp");
    const Big5 expected = T(u8"cafe/LinkBMP/許.bmp");
    EXPECT_EQ(DiskPath(path), expected);
}

}  // namespace
}  // namespace corvina
