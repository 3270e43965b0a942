#include "sys/profile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "sys/text.h"

namespace corvina {
namespace {

using ::testing::ElementsAre;

TEST(ProfileReading, SectionsAndKeysIgnoreLetterCaseAndTheFirstEntryCounts) {
    const ProfileText ini("[Options]\r\nCanQuit=0\r\ncanquit=1\r\n[options]\r\nCanQuit=5\r\n");
    EXPECT_EQ(ini.ReadString("OPTIONS", "CANQUIT"), "0");
    EXPECT_EQ(ini.ReadInteger("options", "canQuit", 9), 0);
    EXPECT_THAT(ini.KeyNames("Options"), ElementsAre("CanQuit", "canquit"));
    EXPECT_THAT(ini.SectionNames(), ElementsAre("Options", "options"));
}

TEST(ProfileReading, ValuesAreTrimmedAndUnquotedOnlyWhenQuotedAtBothEnds) {
    const ProfileText ini(
        "[S]\n"
        "  a  =  spaced value \t\n"
        "b=\"quoted\"\n"
        "c=\"half\n"
        "d=\" kept \"\n"
        "e=x=y\n"
        "f=\"\n"
        "g\n");
    EXPECT_EQ(ini.ReadString("S", "a"), "spaced value");
    EXPECT_EQ(ini.ReadString("S", "b"), "quoted");
    EXPECT_EQ(ini.ReadString("S", "c"), "\"half");
    EXPECT_EQ(ini.ReadString("S", "d"), " kept ");
    EXPECT_EQ(ini.ReadString("S", "e"), "x=y");
    EXPECT_EQ(ini.ReadString("S", "f"), "\"");
    EXPECT_EQ(ini.Find("S", "g"), Big5{});
    EXPECT_EQ(ini.Find("S", "missing"), std::nullopt);
    EXPECT_EQ(ini.ReadString("S", "missing", "dflt"), "dflt");
    EXPECT_EQ(ini.Find("Nowhere", "a"), std::nullopt);
}

TEST(ProfileReading, CommentsBlankLinesAndLinesBeforeAnySectionAreNotEntries) {
    const ProfileText ini("orphan=1\n\n[S]\n; note=1\n\n   \nreal=2\n=nokey\n");
    EXPECT_THAT(ini.KeyNames("S"), ElementsAre("real"));
    EXPECT_EQ(ini.Find("S", "orphan"), std::nullopt);
    EXPECT_EQ(ini.Find("S", "; note"), std::nullopt);
}

TEST(ProfileReading, LinesAreNumberedAndSkippedLinesAreKept) {
    const ProfileText ini("orphan=1\r\n[A]\r\nx=1\r\n[Broken\r\nbare\r\n=nokey\r\n; note\r\n[a]\r\nx=2\r\n");
    ASSERT_EQ(ini.SectionLines().size(), 2u);
    EXPECT_EQ(ini.SectionLines()[1].line, 8);
    const auto entries = ini.EntryLines("a");  // the first section of that name
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].line, 3);
    EXPECT_EQ(entries[1].key, "bare");
    EXPECT_FALSE(entries[1].hasEquals);
    EXPECT_EQ(ini.LineOf("A", "X"), 3);
    EXPECT_EQ(ini.LineOf("A", "missing"), 0);
    using Skip = ProfileText::SkippedLine;
    const auto& skipped = ini.SkippedLines();
    ASSERT_EQ(skipped.size(), 3u);
    EXPECT_EQ(skipped[0].kind, Skip::OutsideSection);
    EXPECT_EQ(skipped[0].line, 1);
    EXPECT_EQ(skipped[1].kind, Skip::UnclosedHeader);
    EXPECT_EQ(skipped[1].text, "[Broken");
    EXPECT_EQ(skipped[2].kind, Skip::EmptyKey);
    EXPECT_EQ(skipped[2].line, 6);
}

TEST(ProfileReading, ValuesAreSeenUpTo2047BytesWithoutSplittingACharacter) {
    const std::string longValue(3000, 'x');
    EXPECT_EQ(ProfileText("[S]\nk=" + longValue + "\n").ReadString("S", "k").size(), 2047u);
    // A double-byte character straddling byte 2047 is left out whole.
    const std::string straddling = std::string(2046, 'x') + T(u8"遊") + "tail";
    EXPECT_EQ(ProfileText("[S]\nk=" + straddling + "\n").ReadString("S", "k"), std::string(2046, 'x'));
}

TEST(ProfileReading, NameListsStopAtTheListBuffer) {
    // Each 99-byte name takes 100 bytes with its zero; one more byte ends the list.
    std::string contents;
    for (int i = 0; i < 200; ++i) {
        std::string name = std::to_string(1000 + i);
        name.resize(99, 'n');
        contents += "[" + name + "]\n" + name + "=v\n";
    }
    const ProfileText ini(contents);
    EXPECT_EQ(ini.SectionNames().size(), 163u);  // 163 * 100 + 1 <= 16384 < 164 * 100 + 1
    EXPECT_TRUE(ini.SectionExists(ini.SectionNames().back()));
}

TEST(ProfileReading, IntegersAndBooleansFallBackWhenNotNumbers) {
    const ProfileText ini("[O]\nhex=$10\nhex2=0x10\nyes=yes\nzero=0\nnine=9\nempty=\n");
    EXPECT_EQ(ini.ReadInteger("O", "hex", 0), 16);
    EXPECT_EQ(ini.ReadInteger("O", "hex2", 0), 16);
    EXPECT_EQ(ini.ReadInteger("O", "yes", 7), 7);
    EXPECT_EQ(ini.ReadInteger("O", "empty", 7), 7);
    EXPECT_TRUE(ini.ReadBool("O", "yes", true));
    EXPECT_FALSE(ini.ReadBool("O", "yes", false));
    EXPECT_FALSE(ini.ReadBool("O", "zero", true));
    EXPECT_TRUE(ini.ReadBool("O", "nine", false));
    EXPECT_TRUE(ini.ReadBool("O", "missing", true));
}

TEST(ProfileReading, Big5NamesAndValues) {
    const Big5 section = T(u8"射擊遊戲");
    const Big5 key = T(u8"許願池");
    const ProfileText ini("[" + section + "]\r\n" + key + "=" + T(u8"C:\\遊戲\\許.exe") + "\r\n");
    EXPECT_THAT(ini.SectionNames(), ElementsAre(section));
    EXPECT_EQ(ini.ReadString(section, key), T(u8"C:\\遊戲\\許.exe"));
}

// A section read whole answers as the key-by-key reading does.
TEST(ProfileReading, ASectionReadWholeAnswersAsEachKeyReadAlone) {
    // Trail bytes with the codes of "A" and "a": two names, not one.
    const Big5 upper = T(u8"乙");
    const Big5 lower = T(u8"兀");
    std::string text =
        "[Options]\r\nCanQuit=0\r\ncanquit=1\r\nQuoted= \"a b\" \r\n" + lower + "=small\r\n" + upper + "=big\r\n";
    for (int i = 0; i < 3000; ++i) text += "BackGroud" + std::to_string(i) + "=p" + std::to_string(i) + ".jpg\r\n";
    text += "[Other]\r\nOnly=here\r\n";
    const ProfileText ini(text);
    const ProfileSection options = ini.ReadSection("OPTIONS");
    for (const std::string name : {"CANQUIT", "Quoted", "backgroud2999", "Only", "missing"}) {
        EXPECT_EQ(options.Find(name), ini.Find("Options", name)) << name;
    }
    EXPECT_EQ(options.ReadString(upper), "big");
    EXPECT_EQ(options.ReadString(lower), "small");
    EXPECT_EQ(options.ReadString("BackGroud1500"), "p1500.jpg");
    EXPECT_EQ(options.ReadString("missing", "fallback"), "fallback");
    EXPECT_FALSE(ini.ReadSection("None").Find("CanQuit").has_value());
}

TEST(ProfileWriting, UpdatesAValueInPlaceAndKeepsEveryOtherByte) {
    const std::string before =
        "; settings\r\n[Options]\r\nLogo = old.bmp   \r\nRemote_Update=3\r\n\r\n[Other]\r\nx=1\r\n";
    ProfileText ini(before);
    ini.WriteString("options", "REMOTE_UPDATE", "12");
    EXPECT_EQ(ini.Contents(),
              "; settings\r\n[Options]\r\nLogo = old.bmp   \r\nRemote_Update=12\r\n\r\n[Other]\r\nx=1\r\n");
    ini.WriteString("Options", "Logo", "new.jpg");
    EXPECT_EQ(ini.ReadString("Options", "Logo"), "new.jpg");
    EXPECT_EQ(ini.Contents(), "; settings\r\n[Options]\r\nLogo =new.jpg\r\nRemote_Update=12\r\n\r\n[Other]\r\nx=1\r\n");
}

TEST(ProfileWriting, AddsAMissingKeyAtTheEndOfItsSectionBeforeTheBlankLine) {
    ProfileText ini("[Options]\r\na=1\r\n\r\n[Other]\r\nx=1\r\n");
    ini.WriteString("Options", "b", "2");
    EXPECT_EQ(ini.Contents(), "[Options]\r\na=1\r\nb=2\r\n\r\n[Other]\r\nx=1\r\n");
    EXPECT_EQ(ini.ReadString("Other", "x"), "1");
}

TEST(ProfileWriting, AddsAMissingSectionAndKeepsTheFilesLineBreaks) {
    ProfileText unix("[A]\na=1");
    unix.WriteString("Options", "k", "v");
    EXPECT_EQ(unix.Contents(), "[A]\na=1\n[Options]\nk=v\n");
    ProfileText lastLineWithoutBreak("[Options]\r\na=1");
    lastLineWithoutBreak.WriteString("Options", "b", "2");
    EXPECT_EQ(lastLineWithoutBreak.Contents(), "[Options]\r\na=1\r\nb=2\r\n");
    // A file cut between CR and LF: the line gets its LF, and its value no CR.
    ProfileText cutAfterCr("[Options]\r\nRemote_iniPath=\\\\srv\\upd\r");
    cutAfterCr.WriteString("Options", "Remote_Update", "0");
    cutAfterCr.WriteString("Other", "k", "v");
    EXPECT_EQ(cutAfterCr.ReadString("Options", "Remote_iniPath"), "\\\\srv\\upd");
    EXPECT_EQ(cutAfterCr.Contents(),
              "[Options]\r\nRemote_iniPath=\\\\srv\\upd\r\nRemote_Update=0\r\n[Other]\r\nk=v\r\n");
    ProfileText empty;
    empty.WriteBool("Options", "Remote_AutoUpdate", true);
    empty.WriteInteger("Options", "Remote_Update", 65535);
    EXPECT_EQ(empty.Contents(), "[Options]\r\nRemote_AutoUpdate=1\r\nRemote_Update=65535\r\n");
}

TEST(ProfileWriting, AValueWithoutEqualsSignIsRewrittenAsAnEntry) {
    ProfileText ini("[S]\r\nlonely\r\n");
    ini.WriteString("S", "lonely", "now");
    EXPECT_EQ(ini.Contents(), "[S]\r\nlonely=now\r\n");
}

TEST(ProfileWriting, RefusesTextThatWouldBreakTheFile) {
    ProfileText ini("[S]\r\nk=1\r\n");
    EXPECT_THROW(ini.WriteString("S", "k", "two\r\n[Evil]"), std::invalid_argument);
    EXPECT_THROW(ini.WriteString("S", "a=b", "v"), std::invalid_argument);
    EXPECT_THROW(ini.WriteString("S", " ", "v"), std::invalid_argument);
    EXPECT_THROW(ini.WriteString("S\n", "k", "v"), std::invalid_argument);
    EXPECT_EQ(ini.Contents(), "[S]\r\nk=1\r\n");
}

TEST(ProfileWriting, CopiesAreIndependent) {
    ProfileText original("[S]\nk=1\n");
    ProfileText copy = original;
    copy.WriteString("S", "k", "2");
    EXPECT_EQ(original.ReadString("S", "k"), "1");
    EXPECT_EQ(copy.ReadString("S", "k"), "2");
}

}  // namespace
}  // namespace corvina
