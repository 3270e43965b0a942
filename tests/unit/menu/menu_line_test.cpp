// The Menus.ini line grammar, one line at a time.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "menu/menu_data.h"
#include "sys/text.h"

namespace corvina {
namespace {

MenuLine Parsed(std::string_view line) {
    const std::optional<MenuLine> parsed = ParseMenuLine(line);
    if (!parsed) throw std::runtime_error("line gave no item");
    return *parsed;
}

TEST(MenuLineFields, ValueWithoutCommaLosesTheTarget) {
    const MenuLine line = Parsed(R"(Game=C:\Games\game.exe)");
    EXPECT_EQ(line.item.Caption, "Game");
    EXPECT_EQ(line.item.Target, "");
    EXPECT_EQ(line.picture, "");
    EXPECT_FALSE(line.item.Flag);
}

TEST(MenuLineFields, OneCommaGivesTargetButNoPicture) {
    const MenuLine line = Parsed(R"(Game=C:\Games\game.exe,game.bmp)");
    EXPECT_EQ(line.item.Target, R"(C:\Games\game.exe)");
    EXPECT_EQ(line.picture, "");
    EXPECT_FALSE(line.item.Flag);
}

TEST(MenuLineFields, TwoCommasGivePictureAndFlag) {
    const MenuLine line = Parsed(R"(Game=C:\Games\game.exe,game.bmp,1)");
    EXPECT_EQ(line.item.Caption, "Game");
    EXPECT_EQ(line.item.Target, R"(C:\Games\game.exe)");
    EXPECT_EQ(line.picture, "game.bmp");
    EXPECT_TRUE(line.item.Flag);
}

TEST(MenuLineFields, EmptyFieldsStayEmpty) {
    const MenuLine line = Parsed(R"(Name=C:\Games\a.exe,,1)");
    EXPECT_EQ(line.item.Target, R"(C:\Games\a.exe)");
    EXPECT_EQ(line.picture, "");
    EXPECT_TRUE(line.item.Flag);

    const MenuLine allEmpty = Parsed("=,,");
    EXPECT_EQ(allEmpty.item.Caption, "");
    EXPECT_EQ(allEmpty.item.Target, "");
    EXPECT_FALSE(allEmpty.item.Flag);
}

TEST(MenuLineFields, WithoutEqualsSignNothingIsKept) {
    const MenuLine line = Parsed("Game,a.exe,a.bmp,1");
    EXPECT_EQ(line.item.Caption, "");
    EXPECT_EQ(line.item.Target, "");
    EXPECT_EQ(line.picture, "");
    EXPECT_FALSE(line.item.Flag);
}

TEST(MenuLineFields, OnlyTheFirstEqualsSignSplits) {
    const MenuLine line = Parsed("Web=http://x/?a=1,b=2.bmp,1");
    EXPECT_EQ(line.item.Caption, "Web");
    EXPECT_EQ(line.item.Target, "http://x/?a=1");
    EXPECT_EQ(line.picture, "b=2.bmp");
    EXPECT_TRUE(line.item.Flag);
}

TEST(MenuLineFields, InnerSpacesAreKeptOuterBlanksTrimmed) {
    const MenuLine line = Parsed(" \t Big Game = C:\\a b.exe , pic.bmp ,1 \t");
    EXPECT_EQ(line.item.Caption, "Big Game ");
    EXPECT_EQ(line.item.Target, R"( C:\a b.exe )");
    EXPECT_EQ(line.picture, " pic.bmp ");
    EXPECT_TRUE(line.item.Flag);
}

TEST(MenuLineFlag, OnlyTheIntegerOneMarks) {
    struct Case {
        std::string_view flagText;
        bool marked;
    };
    const Case cases[] = {
        {"1", true},    {"0x1", true},  {"$1", true},   {" 1", true},          {"+1", true},
        {"1,2", false}, {"2", false},   {"0", false},   {"-1", false},         {"", false},
        {"yes", false}, {"1.0", false}, {"01a", false}, {"4294967297", false},
    };
    for (const Case& c : cases) {
        const MenuLine line = Parsed("G=a.exe,a.bmp," + std::string(c.flagText));
        EXPECT_EQ(line.item.Flag, c.marked) << "flag text '" << c.flagText << "'";
    }
}

TEST(MenuLineFlag, FlagTextAfterAThirdCommaIsNotANumber) {
    const MenuLine line = Parsed("G=a.exe,a.bmp,1,2");
    EXPECT_EQ(line.picture, "a.bmp");
    EXPECT_FALSE(line.item.Flag);
}

TEST(MenuLineSkipping, EmptyAndBlankLinesGiveNoItem) {
    EXPECT_FALSE(ParseMenuLine(""));
    EXPECT_FALSE(ParseMenuLine("   "));
    EXPECT_FALSE(ParseMenuLine("\t \t"));
    EXPECT_TRUE(ParseMenuLine("="));
}

TEST(MenuLineBig5, TrailBytesThatLookLikeAsciiStayInTheirCharacters) {
    // 許 and 功 end in 0x5C ("\"), 遊 in 0x43 ("C"): none of them may split a field.
    const Big5 caption = T(u8"遊戲許功");
    const Big5 target = T(u8"C:\\遊戲\\許功.exe");
    const Big5 picture = T(u8"許功.jpg");
    const MenuLine line = Parsed(caption + "=" + target + "," + picture + ",1");
    EXPECT_EQ(line.item.Caption, caption);
    EXPECT_EQ(line.item.Target, target);
    EXPECT_EQ(line.picture, picture);
    EXPECT_TRUE(line.item.Flag);
    EXPECT_EQ(Utf8FromBig5(line.item.Target), "C:\\遊戲\\許功.exe");
}

}  // namespace
}  // namespace corvina
