// The per-item file named after an item's caption, and the item picture path.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "settings/item_file.h"
#include "sys/text.h"

namespace corvina {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

ProfileText ItemFile(std::string_view utf8) { return ProfileText(Big5FromUtf8(utf8)); }

std::vector<std::string> Utf8(const std::vector<Big5>& texts) {
    std::vector<std::string> converted;
    for (const Big5& text : texts) converted.push_back(Utf8FromBig5(text));
    return converted;
}

TEST(ItemPaths, FileAndPictureHangOffTheProgramFolder) {
    EXPECT_EQ(ItemFilePath(R"(C:\Menu\)", "Game"), R"(C:\Menu\Game.ini)");
    EXPECT_EQ(ItemPicturePath(R"(C:\Menu\)", "game.bmp"), R"(C:\Menu\LinkBMP\game.bmp)");
    // A caption ending in 功 (trail byte "\") still gets its own ".ini".
    EXPECT_EQ(ItemFilePath(T(u8"C:\\選單\\"), T(u8"許功")), T(u8"C:\\選單\\許功.ini"));
    EXPECT_EQ(ItemPicturePath(T(u8"C:\\選單\\"), T(u8"許功.jpg")), T(u8"C:\\選單\\LinkBMP\\許功.jpg"));
}

TEST(ItemWebLinks, NamesAndAddressesInFileOrder) {
    const ProfileText file = ItemFile(
        "[Options]\r\nSaveFilePath=C:\\x\r\n"
        "[WebLink]\r\n"
        "官方網站=http://www.example.com/\r\n"
        "Forum=\"http://forum.example.com/?a=1\"\r\n"
        "NoAddress=\r\n"
        "[Memo]\r\n1=line\r\n");
    const std::vector<WebLink> links = ReadWebLinks(file);
    ASSERT_EQ(links.size(), 3u);
    EXPECT_EQ(Utf8FromBig5(links[0].name), "官方網站");
    EXPECT_EQ(links[0].address, "http://www.example.com/");
    EXPECT_EQ(links[1].name, "Forum");
    EXPECT_EQ(links[1].address, "http://forum.example.com/?a=1");
    EXPECT_EQ(links[2].name, "NoAddress");
    EXPECT_EQ(links[2].address, "");
}

TEST(ItemWebLinks, SectionNameIgnoresCaseAndMissingSectionGivesNone) {
    EXPECT_EQ(ReadWebLinks(ItemFile("[weblink]\r\nA=http://a/\r\n")).size(), 1u);
    EXPECT_THAT(ReadWebLinks(ItemFile("[Memo]\r\n1=x\r\n")), IsEmpty());
    EXPECT_THAT(ReadWebLinks(ProfileText{}), IsEmpty());
}

TEST(ItemWebLinks, NamesBeyondTheKeyListBufferAreNotSeen) {
    // Each name takes its length plus a terminating zero; 1000 names of 19
    // bytes fill 20000 bytes, more than the 16384-byte list holds.
    std::string text = "[WebLink]\r\n";
    for (int n = 0; n < 1000; ++n) {
        std::string name = "link" + std::to_string(n);
        name.resize(19, '_');
        text += name + "=http://x/\r\n";
    }
    const std::size_t seen = ReadWebLinks(ItemFile(text)).size();
    EXPECT_GE(seen, 800u);
    EXPECT_LE(seen, kProfileNameListBuffer / 20 + 1);  // a cut last name may count
}

TEST(ItemMemo, ValuesInFileOrderWithoutKeys) {
    EXPECT_THAT(ReadMemoLines(ItemFile("[Memo]\r\n1=first line\r\n2=second line\r\n")),
                ElementsAre("first line", "second line"));
    // Keys only order the lines: file order wins over key order.
    EXPECT_THAT(Utf8(ReadMemoLines(ItemFile("[Memo]\r\nb=按 F1 說明\r\na=a=b\r\nc=\r\n"))),
                ElementsAre("按 F1 說明", "a=b", ""));
    EXPECT_THAT(ReadMemoLines(ItemFile("[WebLink]\r\n1=x\r\n")), IsEmpty());
}

TEST(ItemSaveFileOptions, ReadAsWrittenOrBlank) {
    const SaveFileOptions options =
        ReadSaveFileOptions(ItemFile("[Options]\r\nSaveFilePath=C:\\Games\\Save\r\nSaveFileExt=sav\r\n"));
    EXPECT_EQ(options.SaveFilePath, R"(C:\Games\Save)");  // no backslash added
    EXPECT_EQ(options.SaveFileExt, "sav");

    const SaveFileOptions missing = ReadSaveFileOptions(ProfileText{});
    EXPECT_EQ(missing.SaveFilePath, "");
    EXPECT_EQ(missing.SaveFileExt, "");

    const SaveFileOptions big5 = ReadSaveFileOptions(ItemFile("[options]\r\nsavefilepath=D:\\遊戲\\許功\\\r\n"));
    EXPECT_EQ(big5.SaveFilePath, T(u8"D:\\遊戲\\許功\\"));
    EXPECT_EQ(big5.SaveFileExt, "");
}

TEST(ItemSaveFileOptions, ARelativeSaveFolderLiesInTheProgramFolder) {
    EXPECT_EQ(ReadSaveFileOptions(ItemFile("[Options]\r\nSaveFilePath=Save\\Goal\\\r\n"), "C:\\Cafe\\").SaveFilePath,
              "C:\\Cafe\\Save\\Goal\\");
    EXPECT_EQ(ReadSaveFileOptions(ItemFile("[Options]\r\nSaveFilePath=C:\\Games\\Save\r\n"), "C:\\Cafe\\").SaveFilePath,
              "C:\\Games\\Save");
    EXPECT_EQ(ReadSaveFileOptions(ProfileText{}, "C:\\Cafe\\").SaveFilePath, "");
}

}  // namespace
}  // namespace corvina
