#include "menu/menu_data.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "sys/text.h"

namespace corvina {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

MenuData ReadMenuText(std::string_view utf8) { return ReadMenu(ProfileText(Big5FromUtf8(utf8))); }

std::vector<Big5> Captions(const MenuChannel& channel) {
    std::vector<Big5> captions;
    for (const MenuLine& line : channel.lines) captions.push_back(line.item.Caption);
    return captions;
}

std::vector<Big5> ChannelNames(const MenuData& menu) {
    std::vector<Big5> names;
    for (const MenuChannel& channel : menu.channels) names.push_back(channel.name);
    return names;
}

// Fills the table the way the main window does while it places the items.
MenuItemTable TableOf(const MenuData& menu) {
    MenuItemTable table;
    for (const MenuChannel& channel : menu.channels) {
        for (const MenuLine& line : channel.lines) table.Append(line.item);
    }
    return table;
}

// A menu of `channels` sections of `perChannel` items each, captions "c<k>i<n>".
std::string GeneratedMenu(int channels, int perChannel) {
    std::string text;
    for (int k = 0; k < channels; ++k) {
        text += "[Channel" + std::to_string(k) + "]\r\n";
        for (int n = 0; n < perChannel; ++n) {
            text += "c" + std::to_string(k) + "i" + std::to_string(n) + "=a.exe,a.bmp,1\r\n";
        }
    }
    return text;
}

TEST(ReadMenuChannels, SectionsAndEntriesKeepFileOrder) {
    const MenuData menu = ReadMenuText(
        "[動作]\r\n"
        "Zeta=z.exe,z.bmp,1\r\n"
        "Alpha=a.exe,a.bmp\r\n"
        "\r\n"
        "[射擊]\r\n"
        "Mid=m.exe\r\n"
        "[Empty]\r\n"
        "[Last]\r\n"
        "One=o.exe,o.jpg,0\r\n");
    EXPECT_THAT(ChannelNames(menu), ElementsAre(T(u8"動作"), T(u8"射擊"), "Empty", "Last"));
    ASSERT_EQ(menu.channels.size(), 4u);
    EXPECT_THAT(Captions(menu.channels[0]), ElementsAre("Zeta", "Alpha"));
    EXPECT_THAT(Captions(menu.channels[1]), ElementsAre("Mid"));
    EXPECT_THAT(menu.channels[2].lines, IsEmpty());
    EXPECT_THAT(Captions(menu.channels[3]), ElementsAre("One"));
    EXPECT_EQ(menu.itemsLeftOut, 0u);

    const MenuLine& zeta = menu.channels[0].lines[0];
    EXPECT_EQ(zeta.item.Target, "z.exe");
    EXPECT_EQ(zeta.picture, "z.bmp");
    EXPECT_TRUE(zeta.item.Flag);
    EXPECT_EQ(menu.channels[1].lines[0].item.Target, "");  // no comma: target lost
}

TEST(ReadMenuChannels, ValuesAreTrimmedAndUnquotedBeforeTheGrammar) {
    const MenuData menu = ReadMenuText("[A]\r\n  Game  =  \"g.exe,g.bmp,1\"  \r\n");
    ASSERT_EQ(menu.channels.at(0).lines.size(), 1u);
    const MenuLine& line = menu.channels[0].lines[0];
    EXPECT_EQ(line.item.Caption, "Game");
    EXPECT_EQ(line.item.Target, "g.exe");
    EXPECT_EQ(line.picture, "g.bmp");
    EXPECT_TRUE(line.item.Flag);
}

TEST(ReadMenuChannels, NoSectionsMeansNoMenuData) {
    EXPECT_THAT(ReadMenuText("").channels, IsEmpty());
    EXPECT_THAT(ReadMenuText("Orphan=a.exe,a.bmp,1\r\n; a comment\r\n").channels, IsEmpty());
    EXPECT_EQ(Utf8FromBig5(NoMenuDataMessage()), "未建資料，請先設定選單資料！");
}

TEST(ReadMenuChannels, ValueIsSeenUpTo2047Bytes) {
    const std::string target(3000, 'x');
    const MenuData menu = ReadMenuText("[A]\r\nLong=" + target + ",p.bmp,1\r\n");
    const MenuLine& line = menu.channels.at(0).lines.at(0);
    // The cut falls inside the target, so no comma is left: the target is lost.
    EXPECT_EQ(line.item.Target, "");
    EXPECT_FALSE(line.item.Flag);

    const std::string fits(2047 - 8, 'y');
    const MenuData fitting = ReadMenuText("[A]\r\nFits=" + fits + ",p.bmp,1\r\n");
    const MenuLine& kept = fitting.channels.at(0).lines.at(0);
    EXPECT_EQ(kept.item.Target, fits);
    EXPECT_EQ(kept.picture, "p.bmp");
    EXPECT_TRUE(kept.item.Flag);
}

TEST(ReadMenuBig5, CaptionsAndTargetsSurviveTrailBytes) {
    // 許 and 功 end in "\", 遊 in "C" and 鉍 in "c": keys that differ only there
    // are different items with their own values.
    const MenuData menu = ReadMenuText(
        "[遊戲]\r\n"
        "許功=C:\\許功\\功.exe,許.bmp,1\r\n"
        "遊=C:\\遊.exe,,\r\n"
        "鉍=C:\\鉍.exe,,\r\n");
    ASSERT_EQ(menu.channels.size(), 1u);
    EXPECT_EQ(menu.channels[0].name, T(u8"遊戲"));
    const auto& lines = menu.channels[0].lines;
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].item.Caption, T(u8"許功"));
    EXPECT_EQ(lines[0].item.Target, T(u8"C:\\許功\\功.exe"));
    EXPECT_EQ(lines[0].picture, T(u8"許.bmp"));
    EXPECT_TRUE(lines[0].item.Flag);
    EXPECT_EQ(lines[1].item.Caption, T(u8"遊"));
    EXPECT_EQ(lines[1].item.Target, T(u8"C:\\遊.exe"));
    EXPECT_EQ(lines[2].item.Caption, T(u8"鉍"));
    EXPECT_EQ(lines[2].item.Target, T(u8"C:\\鉍.exe"));
}

TEST(ReadMenuLimit, KeepsTheFirstThousandItemsAcrossChannels) {
    // 3 channels of 400: the cut falls at item 200 of the third channel.
    const MenuData menu = ReadMenuText(GeneratedMenu(3, 400));
    ASSERT_EQ(menu.channels.size(), 3u);
    EXPECT_EQ(menu.channels[0].lines.size(), 400u);
    EXPECT_EQ(menu.channels[1].lines.size(), 400u);
    EXPECT_EQ(menu.channels[2].lines.size(), 200u);
    EXPECT_EQ(menu.channels[2].lines.back().item.Caption, "c2i199");
    EXPECT_EQ(menu.itemsLeftOut, 200u);
}

TEST(ReadMenuLimit, ChannelsPastTheCutStayWithEmptyPages) {
    const MenuData menu = ReadMenuText(GeneratedMenu(1, 1000) + "[Late]\r\nx=x.exe\r\ny=y.exe\r\n[Later]\r\n");
    EXPECT_THAT(ChannelNames(menu), ElementsAre("Channel0", "Late", "Later"));
    EXPECT_EQ(menu.channels[0].lines.size(), 1000u);
    EXPECT_THAT(menu.channels[1].lines, IsEmpty());
    EXPECT_THAT(menu.channels[2].lines, IsEmpty());
    EXPECT_EQ(menu.itemsLeftOut, 2u);
}

TEST(ReadMenuLimit, ExactlyAThousandLeavesNothingOut) {
    const MenuData menu = ReadMenuText(GeneratedMenu(4, 250));
    EXPECT_EQ(menu.itemsLeftOut, 0u);
    EXPECT_EQ(TableOf(menu).Count(), 1000);
    EXPECT_EQ(TableOf(ReadMenuText(GeneratedMenu(1, 1001))).Count(), 1000);
}

TEST(ReadMenuLimit, MessageNamesTheLimitAndTheCount) {
    const std::string message = Utf8FromBig5(ItemsLeftOutMessage(37));
    EXPECT_NE(message.find("1000"), std::string::npos);
    EXPECT_NE(message.find("37"), std::string::npos);
    EXPECT_EQ(Big5FromUtf8(message), ItemsLeftOutMessage(37));  // all of it is Big5
}

TEST(MenuItemTableIndexes, RunOnAcrossChannels) {
    const MenuItemTable table =
        TableOf(ReadMenuText("[One]\r\na=a.exe\r\nb=b.exe,b.bmp\r\nc=c.exe,c.bmp,1\r\n"
                             "[Two]\r\nd=d.exe,,1\r\ne=e.exe,e.bmp\r\nf=f.exe\r\n"));
    ASSERT_EQ(table.Count(), 6);
    const char* captions[] = {"a", "b", "c", "d", "e", "f"};
    for (int index = 0; index < 6; ++index) {
        ASSERT_NE(table.Find(index), nullptr);
        EXPECT_EQ(table.Find(index)->Caption, captions[index]) << index;
    }
    EXPECT_EQ(table.Find(3)->Target, "d.exe");
    EXPECT_TRUE(table.Find(3)->Flag);
    EXPECT_FALSE(table.Find(4)->Flag);
}

TEST(MenuItemTableIndexes, AppendAnswersTheIndexAndClearRestartsAtZero) {
    MenuItemTable table;
    EXPECT_EQ(table.Append({.Flag = false, .Target = "a.exe", .Caption = "A"}), 0);
    EXPECT_EQ(table.Append({.Flag = true, .Target = "b.exe", .Caption = "B"}), 1);
    table.Clear();
    EXPECT_EQ(table.Count(), 0);
    EXPECT_EQ(table.Find(0), nullptr);
    EXPECT_EQ(table.Append({.Flag = false, .Target = "c.exe", .Caption = "C"}), 0);
    EXPECT_EQ(table.Find(0)->Caption, "C");
}

TEST(MenuItemTableIndexes, LookupOutsideTheTableFindsNothing) {
    const MenuItemTable table = TableOf(ReadMenuText("[A]\r\na=a.exe\r\nb=b.exe\r\n"));
    EXPECT_EQ(table.Find(-1), nullptr);
    EXPECT_EQ(table.Find(2), nullptr);
    EXPECT_EQ(table.Find(999), nullptr);
    EXPECT_EQ(table.Find(std::numeric_limits<int>::min()), nullptr);
    EXPECT_NE(table.Find(1), nullptr);
    EXPECT_EQ(MenuItemTable{}.Find(0), nullptr);
}

}  // namespace
}  // namespace corvina
