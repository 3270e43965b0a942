#include "sys/win32/file_ops.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>

#include "support/temp_folder.h"
#include "sys/files.h"
#include "sys/text.h"

namespace corvina {
namespace {

TEST(WriteTextLine, CreatesAppendsOrReplacesWholeLines) {
    const test::TempFolder folder;
    const Big5 appended = folder.File(T(u8"帳號.PD"));
    WriteTextLine(appended, "abc", false);
    WriteTextLine(appended, "abc", false);
    EXPECT_EQ(ReadFileBytes(appended), "abc\r\nabc\r\n");

    const Big5 replaced = folder.File("log.txt");
    WriteTextLine(replaced, "first", true);
    EXPECT_EQ(ReadFileBytes(replaced), "first\r\n");
    WriteTextLine(replaced, "x", true);
    EXPECT_EQ(ReadFileBytes(replaced), "x\r\n");
}

TEST(WriteTextLine, FailureReachesTheCaller) {
    const test::TempFolder folder;
    EXPECT_THROW(WriteTextLine(folder.File("missing\\a.txt"), "a", false), std::runtime_error);
    EXPECT_THROW(WriteTextLine(folder.File("missing\\a.txt"), "a", true), std::runtime_error);
    EXPECT_THROW(AppendFileBytes(folder.Path(), "a"), std::runtime_error);
}

TEST(ForceFolder, MakesEveryMissingFolderAndTellsWhetherItExists) {
    const test::TempFolder folder;
    const Big5 deep = folder.File(T(u8"帳號\\遊戲一\\存檔"));
    EXPECT_TRUE(ForceFolder(deep));
    EXPECT_TRUE(FolderExists(deep));
    EXPECT_TRUE(ForceFolder(deep + "\\"));
    EXPECT_FALSE(ForceFolder(""));

    // A file where a folder should be cannot be passed.
    WriteTextLine(folder.File("blocker"), "", true);
    EXPECT_FALSE(ForceFolder(folder.File("blocker\\below")));
    EXPECT_FALSE(FolderExists(folder.File("blocker\\below")));
}

class CopyFilesToTest : public ::testing::Test {
protected:
    CopyFilesToTest() {
        CreateDirectoryW(WideFromBig5(source.File("sub")).c_str(), nullptr);
        WriteTextLine(source.File("a.sav"), "new a", true);
        WriteTextLine(source.File(T(u8"遊戲.sav")), "game", true);
        WriteTextLine(source.File("sub\\inner.sav"), "inner", true);
    }

    test::TempFolder source;
    test::TempFolder target;
};

TEST_F(CopyFilesToTest, ReplacesAFileOfTheSameNameWithoutAsking) {
    WriteTextLine(target.File("a.sav"), "old a", true);
    EXPECT_TRUE(CopyFilesTo(source.File("a.sav"), target.Path(), false));
    EXPECT_EQ(ReadFileBytes(target.File("a.sav")), "new a\r\n");
}

TEST_F(CopyFilesToTest, FilesOnlyLeavesSubfoldersBehind) {
    EXPECT_TRUE(CopyFilesTo(source.File("*.*"), target.Path(), false));
    EXPECT_TRUE(FileExists(target.File(T(u8"遊戲.sav"))));
    EXPECT_TRUE(FileExists(target.File("a.sav")));
    EXPECT_FALSE(FolderExists(target.File("sub")));
}

TEST_F(CopyFilesToTest, CreateFoldersBringsSubfoldersIntoANewFolder) {
    const Big5 destination = target.File("new\\place");
    EXPECT_TRUE(CopyFilesTo(source.File("*.*"), destination, true));
    EXPECT_EQ(ReadFileBytes(destination + "\\sub\\inner.sav"), "inner\r\n");
    EXPECT_TRUE(FileExists(destination + "\\a.sav"));
}

TEST_F(CopyFilesToTest, NothingToCopyIsAFailure) {
    EXPECT_FALSE(CopyFilesTo("", target.Path(), false));
    EXPECT_FALSE(CopyFilesTo(source.File("a.sav"), "", false));
    EXPECT_FALSE(CopyFilesTo(source.File("missing.sav"), target.Path(), false));
    EXPECT_FALSE(FileExists(target.File("missing.sav")));
}

}  // namespace
}  // namespace corvina
