#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "support/temp_folder.h"
#include "sys/files.h"
#include "sys/text.h"
#include "sys/win32/handles.h"

namespace corvina {
namespace {

// The entries of `folder` that match, as Windows spells them, "|" between.
std::wstring OnlyEntryMatching(const Big5& folder, const wchar_t* pattern) {
    WIN32_FIND_DATAW found{};
    const std::wstring query = WideFromBig5(folder) + pattern;
    HANDLE search = FindFirstFileW(query.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return {};
    std::wstring name = found.cFileName;
    if (FindNextFileW(search, &found)) name += L"|" + std::wstring(found.cFileName);
    FindClose(search);
    return name;
}

TEST(BigFiveFileNames, ReachTheFileSystemAsTheirCharacters) {
    const test::TempFolder folder;
    const Big5 path = folder.File(T(u8"遊戲一.ini"));
    const Big5 content = T(u8"[遊戲]\r\n");
    WriteFileBytes(path, content);

    EXPECT_EQ(OnlyEntryMatching(folder.Path(), L"*.ini"), L"遊戲一.ini");
    EXPECT_TRUE(FileExists(path));
    EXPECT_EQ(ReadFileBytes(path), content);
    EXPECT_TRUE(DeleteFileAt(path));
    EXPECT_EQ(OnlyEntryMatching(folder.Path(), L"*.ini"), L"");
}

TEST(BigFiveFileNames, TrailByteOfBackslashIsNoPathSeparator) {
    const Big5 xu = T(u8"許");
    ASSERT_EQ(xu, "\xB3\x5C");
    const test::TempFolder folder;

    const Big5 file = folder.File(xu + ".txt");
    WriteFileBytes(file, "x");
    EXPECT_EQ(OnlyEntryMatching(folder.Path(), L"*.txt"), L"許.txt");
    EXPECT_EQ(ReadFileBytes(file), "x");

    // A folder named 許 followed by the real separator.
    const Big5 subfolder = folder.File(xu);
    ASSERT_TRUE(CreateDirectoryW(WideFromBig5(subfolder).c_str(), nullptr));
    EXPECT_TRUE(FolderExists(subfolder));
    EXPECT_TRUE(FolderExists(subfolder + "\\"));
    WriteFileBytes(subfolder + "\\" + xu + ".ini", "y");
    EXPECT_EQ(OnlyEntryMatching(subfolder + "\\", L"*.ini"), L"許.ini");
    EXPECT_EQ(ReadFileBytes(subfolder + "\\" + xu + ".ini"), "y");
}

TEST(FileFunctions, MissingFilesAndFoldersAreToldApart) {
    const test::TempFolder folder;
    const Big5 missing = folder.File("missing.ini");
    EXPECT_FALSE(FileExists(missing));
    EXPECT_FALSE(FolderExists(missing));
    EXPECT_EQ(ReadFileBytes(missing), std::nullopt);
    EXPECT_FALSE(DeleteFileAt(missing));

    EXPECT_TRUE(FolderExists(folder.Path()));
    EXPECT_FALSE(FileExists(folder.Path()));
    WriteFileBytes(missing, "");
    EXPECT_TRUE(FileExists(missing));
    EXPECT_FALSE(FolderExists(missing));
    EXPECT_EQ(ReadFileBytes(missing), "");
}

TEST(FileFunctions, BytesGoThroughUntranslatedAndAnOverwriteLeavesNoTail) {
    const test::TempFolder folder;
    const Big5 path = folder.File("data.bin");
    const std::string binary("a\r\nb\nc\0d\x1A\xFF", 10);
    WriteFileBytes(path, std::string(5000, 'z'));
    WriteFileBytes(path, binary);
    EXPECT_EQ(ReadFileBytes(path), binary);
}

TEST(FileFunctions, ReadsAFileSomeoneElseHoldsOpenForWriting) {
    const test::TempFolder folder;
    const Big5 path = folder.File("Params.ini");
    WriteFileBytes(path, "kept");
    const win32::ScopedHandle writer(CreateFileW(WideFromBig5(path).c_str(), GENERIC_WRITE,
                                                 FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(writer);
    EXPECT_EQ(ReadFileBytes(path), "kept");
}

TEST(FileFunctions, WritingIntoAMissingFolderThrowsNamingThePath) {
    const test::TempFolder folder;
    const Big5 path = folder.File(T(u8"無此資料夾\\遊戲一.ini"));
    try {
        WriteFileBytes(path, "x");
        FAIL() << "no exception";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
    }
    EXPECT_FALSE(FileExists(path));
}

TEST(FileFunctions, WritingAFileLockedByAnotherHandleThrowsAndKeepsIt) {
    const test::TempFolder folder;
    const Big5 path = folder.File("locked.ini");
    WriteFileBytes(path, "old");
    {
        const win32::ScopedHandle locker(CreateFileW(WideFromBig5(path).c_str(), GENERIC_READ, 0, nullptr,
                                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(locker);
        EXPECT_THROW(WriteFileBytes(path, "new"), std::runtime_error);
    }
    EXPECT_EQ(ReadFileBytes(path), "old");
}

TEST(FileFunctions, AFolderIsNoFileToWriteOrRead) {
    const test::TempFolder folder;
    EXPECT_THROW(WriteFileBytes(folder.Path(), "x"), std::runtime_error);
    EXPECT_EQ(ReadFileBytes(folder.Path()), std::nullopt);
    EXPECT_FALSE(DeleteFileAt(folder.Path()));
    EXPECT_TRUE(FolderExists(folder.Path()));
}

}  // namespace
}  // namespace corvina
