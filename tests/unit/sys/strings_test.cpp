#include "sys/strings.h"

#include <gtest/gtest.h>

#include "sys/big5.h"
#include "sys/text.h"

namespace corvina {
namespace {

TEST(SplitAtSeparator, MenuLineSplitsStepByStep) {
    auto [caption, rest] = SplitAtSeparator("Name=C:\\Games\\a.exe,,1", '=');
    EXPECT_EQ(caption, "Name");
    EXPECT_EQ(rest, "C:\\Games\\a.exe,,1");
    auto [target, rest2] = SplitAtSeparator(rest, ',');
    EXPECT_EQ(target, "C:\\Games\\a.exe");
    EXPECT_EQ(rest2, ",1");
    auto [picture, flag] = SplitAtSeparator(rest2, ',');
    EXPECT_EQ(picture, "");
    EXPECT_EQ(flag, "1");
}

TEST(SplitAtSeparator, MissingSeparatorDropsTheSourceForTheDefaultTail) {
    auto split = SplitAtSeparator("abc", ',');
    EXPECT_EQ(split.head, "");
    EXPECT_EQ(split.tail, "");
    split = SplitAtSeparator("abc", ',', "dflt");
    EXPECT_EQ(split.head, "");
    EXPECT_EQ(split.tail, "dflt");
}

TEST(SplitAtSeparator, OnlyTheFirstSeparatorCountsAndNothingIsTrimmed) {
    auto split = SplitAtSeparator("12:hello:world", ':');
    EXPECT_EQ(split.head, "12");
    EXPECT_EQ(split.tail, "hello:world");
    split = SplitAtSeparator(" a , b ", ',');
    EXPECT_EQ(split.head, " a ");
    EXPECT_EQ(split.tail, " b ");
    split = SplitAtSeparator(",", ',');
    EXPECT_EQ(split.head, "");
    EXPECT_EQ(split.tail, "");
}

TEST(SplitAtSeparator, Big5TextAroundTheSeparatorStaysWhole) {
    const Big5 text = T(u8"許功蓋=遊戲,圖.bmp");
    auto split = SplitAtSeparator(text, '=');
    EXPECT_EQ(split.head, T(u8"許功蓋"));
    EXPECT_EQ(split.tail, T(u8"遊戲,圖.bmp"));
}

TEST(AddTrailingBackslash, BlankPathsAreLeftAlone) {
    EXPECT_EQ(AddTrailingBackslash(""), "");
    EXPECT_EQ(AddTrailingBackslash("   "), "   ");
    EXPECT_EQ(AddTrailingBackslash("\t\r\n"), "\t\r\n");
}

TEST(AddTrailingBackslash, AppendsOnlyWhenMissing) {
    EXPECT_EQ(AddTrailingBackslash("C:\\Data"), "C:\\Data\\");
    EXPECT_EQ(AddTrailingBackslash("C:\\Data\\"), "C:\\Data\\");
    EXPECT_EQ(AddTrailingBackslash("\\\\server\\share"), "\\\\server\\share\\");
    EXPECT_EQ(AddTrailingBackslash("C:\\Data "), "C:\\Data \\");
}

TEST(AddTrailingBackslash, Big5CharacterWithBackslashTrailByteIsNotABackslash) {
    // 許 is A5 5C in Big5: its second byte looks like a backslash.
    const Big5 folder = T(u8"D:\\遊戲\\許");
    ASSERT_EQ(folder.back(), '\\');
    EXPECT_EQ(AddTrailingBackslash(folder), folder + "\\");
    EXPECT_EQ(AddTrailingBackslash(folder + "\\"), folder + "\\");
    // A run of such characters still ends in a character, not a backslash.
    const Big5 run = T(u8"功功功");
    EXPECT_EQ(AddTrailingBackslash(run), run + "\\");
    // A value cut after a lead byte: appended, the backslash would become
    // that character's trail byte and the folder would never be one.
    const Big5 cut = "\\\\srv\\" + T(u8"更") + "\xB7";
    EXPECT_EQ(AddTrailingBackslash(cut), "\\\\srv\\" + T(u8"更") + "\\");
    EXPECT_EQ(LastBackslashEnd(AddTrailingBackslash(cut)), AddTrailingBackslash(cut).size());
}

TEST(Big5Text, LastCharStartFollowsLeadBytesFromTheStart) {
    const Big5 text = "a" + T(u8"許") + "b";
    EXPECT_EQ(LastCharStart(text), 3u);
    EXPECT_EQ(LastCharStart(T(u8"許")), 0u);
    EXPECT_EQ(LastCharStart(""), std::string_view::npos);
    // A lone lead byte at the end is a character of its own.
    EXPECT_EQ(LastCharStart("a\xA5"), 1u);
}

TEST(Big5Text, CutsNeverSplitADoubleByteCharacter) {
    const Big5 text = "ab" + T(u8"遊戲");
    EXPECT_EQ(CharBoundaryAtOrBefore(text, 3), 2u);
    EXPECT_EQ(CharBoundaryAtOrBefore(text, 4), 4u);
    EXPECT_EQ(CharBoundaryAtOrBefore(text, 5), 4u);
    EXPECT_EQ(CharBoundaryAtOrBefore(text, 99), text.size());
}

TEST(Big5Text, CaseFoldingLeavesTrailBytesAlone) {
    EXPECT_TRUE(EqualsIgnoreAsciiCase("Options", "OPTIONS"));
    // Two characters that differ only in an ASCII-letter trail byte.
    EXPECT_FALSE(EqualsIgnoreAsciiCase("\xA4\x41", "\xA4\x61"));
    EXPECT_TRUE(EqualsIgnoreAsciiCase("\xA4\x41x", "\xA4\x41X"));
}

TEST(TextConversion, RoundTripsProgramTexts) {
    const Big5 big5 = T(u8"桌　面");
    EXPECT_EQ(big5, "\xAE\xE0\xA1\x40\xAD\xB1");
    EXPECT_EQ(Utf8FromBig5(big5), "桌　面");
}

TEST(TextConversion, UnconvertibleCharactersAreReplacedNotDropped) {
    EXPECT_EQ(Big5FromUtf8("a\xF0\x9F\x98\x80"
                           "b"),
              "a?b");
    EXPECT_EQ(Utf8FromBig5("a\xFF"
                           "b"),
              "a\xEF\xBF\xBD"
              "b");
}

}  // namespace
}  // namespace corvina
