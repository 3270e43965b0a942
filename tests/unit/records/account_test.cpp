// The account file PSWD.PD and the alphabet of account names and passwords.

#include <gtest/gtest.h>

#include "records/account_file.h"
#include "records/account_text.h"
#include "sys/text.h"

namespace corvina {
namespace {

bool Opens(std::string contents, std::string_view password) {
    return CheckAccountPassword(std::optional<std::string>(std::move(contents)), password);
}

TEST(AccountFile, LiesInTheAccountsFolderUnderTheRemoteFolder) {
    EXPECT_EQ(AccountFolder(R"(\\srv\save\)", "joe"), R"(\\srv\save\joe\)");
    EXPECT_EQ(AccountFileName(R"(\\srv\save\)", "joe"), R"(\\srv\save\joe\PSWD.PD)");
    EXPECT_EQ(AccountFileName(R"(\\srv\save\)", "joe\\"), R"(\\srv\save\joe\PSWD.PD)");
}

TEST(AccountFile, OnlyTrimmedLineOneOpensTheAccount) {
    EXPECT_TRUE(Opens("abc\r\n", "abc"));
    EXPECT_TRUE(Opens("abc", "abc"));
    EXPECT_TRUE(Opens(" \tabc \x01\r\nzzz\r\n", "abc"));
    EXPECT_TRUE(Opens("abc\nzzz", "abc"));
    EXPECT_TRUE(Opens("abc\rzzz", "abc"));
    EXPECT_FALSE(Opens("abc\r\nzzz\r\n", "zzz"));
    EXPECT_FALSE(Opens("ABC\r\n", "abc"));
    EXPECT_FALSE(Opens("abcd\r\n", "abc"));
    EXPECT_FALSE(Opens("a bc\r\n", "abc"));
}

TEST(AccountFile, EmptyMissingOrUnreadableFileOpensNothing) {
    EXPECT_FALSE(Opens("", ""));
    EXPECT_FALSE(Opens("\r\nabc\r\n", ""));
    EXPECT_FALSE(Opens("", "abc"));
    EXPECT_FALSE(CheckAccountPassword(std::nullopt, "abc"));
}

TEST(AccountFile, EverySaveAppendsOneIdenticalLine) {
    std::string file;
    for (int save = 0; save < 3; ++save) file += AccountFileLine("pw12");
    EXPECT_EQ(file, "pw12\r\npw12\r\npw12\r\n");
    EXPECT_TRUE(Opens(file, "pw12"));
}

TEST(AccountText, OneToTwelveDigitsOrSmallLetters) {
    EXPECT_EQ(CheckAccountText("a"), AccountTextCheck::Valid);
    EXPECT_EQ(CheckAccountText("0123456789az"), AccountTextCheck::Valid);
    EXPECT_EQ(CheckAccountText(""), AccountTextCheck::Empty);
    EXPECT_EQ(CheckAccountText("0123456789abc"), AccountTextCheck::Invalid);
    for (const std::string_view bad : {"..\\x", "a b", "a.b", "a/b", "ABC", "a\tb", "a\x01"}) {
        EXPECT_EQ(CheckAccountText(bad), AccountTextCheck::Invalid) << bad;
    }
    EXPECT_EQ(CheckAccountText(T(u8"帳號")), AccountTextCheck::Invalid);
}

TEST(AccountText, PastedCapitalsCountAsSmallLetters) {
    EXPECT_EQ(NormalizeAccountText("AbC9"), "abc9");
    EXPECT_EQ(CheckAccountText(NormalizeAccountText("JOE")), AccountTextCheck::Valid);
    // 功 has a trail byte of "\": normalizing never makes Big5 text valid.
    EXPECT_EQ(CheckAccountText(NormalizeAccountText(T(u8"功A"))), AccountTextCheck::Invalid);
}

TEST(AccountText, KeysOfTheAlphabetAndControlsPass) {
    for (const wchar_t key : {L'0', L'9', L'a', L'z', L'A', L'Z', L'\b', L'\x16'}) EXPECT_TRUE(IsAccountKey(key));
    for (const wchar_t key : {L'-', L'.', L' ', L'@', L'[', L'`', L'{', L'\x4E00'}) EXPECT_FALSE(IsAccountKey(key));
}

TEST(AccountText, DeviceNamesAreNoFolders) {
    for (const std::string_view name : {"con", "prn", "aux", "nul", "com1", "lpt9", "COM3"}) {
        EXPECT_TRUE(IsDeviceName(name)) << name;
    }
    for (const std::string_view name : {"con1", "com0", "com10", "lpt", "console", "nu"}) {
        EXPECT_FALSE(IsDeviceName(name)) << name;
    }
}

}  // namespace
}  // namespace corvina
