// The file-type lookups against real keys of the prefix's classes root, the
// program's own name, and a real shell start of a long-named document.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/processes.h"
#include "support/temp_folder.h"
#include "sys/files.h"
#include "sys/text.h"
#include "sys/win32/file_type.h"
#include "sys/win32/program_path.h"
#include "sys/win32/screen_color.h"
#include "sys/win32/shell_run.h"

namespace corvina {
namespace {

// Classes-root keys made for one test and deleted with their subkeys after it.
class ClassKeys {
public:
    ClassKeys() = default;
    ~ClassKeys() {
        for (const std::wstring& key : made_) {
            RegDeleteTreeW(HKEY_CLASSES_ROOT, key.c_str());
            RegDeleteKeyW(HKEY_CLASSES_ROOT, key.c_str());
        }
    }
    ClassKeys(const ClassKeys&) = delete;
    ClassKeys& operator=(const ClassKeys&) = delete;

    // Sets a text value (null name: the default value), making the key.
    void Set(const std::wstring& key, const wchar_t* name, const std::wstring& value) {
        made_.push_back(key.substr(0, key.find(L'\\')));
        HKEY opened = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &opened, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExW(opened, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(opened);
    }

private:
    std::vector<std::wstring> made_;
};

TEST(FileTypes, TheOpenCommandsQuotedProgramIsTheProgramOfTheType) {
    ClassKeys keys;
    keys.Set(L".corvdoc", nullptr, L"CorvTest.Document");
    keys.Set(L".corvdoc", L"Content Type", L"text/x-corv");
    keys.Set(L"CorvTest.Document", nullptr, L"Corvina test document");
    keys.Set(L"CorvTest.Document\\shell\\open\\command", nullptr, L"\"C:\\Games\\遊戲 Viewer.exe\" \"%1\"");

    FileTypeInfo info;
    EXPECT_TRUE(ReadFileTypeInfo(".corvdoc", info));
    EXPECT_EQ(info.openCommand, T(u8"\"C:\\Games\\遊戲 Viewer.exe\" \"%1\""));
    EXPECT_EQ(info.description, "Corvina test document");
    EXPECT_EQ(info.contentType, "text/x-corv");
    EXPECT_EQ(FileTypeOpenProgram(T(u8"D:\\存檔\\a.b.corvdoc")), T(u8"C:\\Games\\遊戲 Viewer.exe"));

    // Without two quotes the command is the program.
    keys.Set(L".corvbare", nullptr, L"CorvTest.Bare");
    keys.Set(L"CorvTest.Bare\\shell\\open\\command", nullptr, L"C:\\Tools\\bare.exe %1");
    EXPECT_EQ(FileTypeOpenProgram("x.corvbare"), "C:\\Tools\\bare.exe %1");
}

TEST(FileTypes, TypesWithoutAnOpenCommandHaveNoProgram) {
    ClassKeys keys;
    FileTypeInfo info;
    EXPECT_FALSE(ReadFileTypeInfo(".corvnone", info));
    EXPECT_EQ(FileTypeOpenProgram("game.corvnone"), "");

    // A class without a command still has its description read.
    keys.Set(L".corvmute", nullptr, L"CorvTest.Mute");
    keys.Set(L".corvmute", L"Content Type", L"x/mute");
    keys.Set(L"CorvTest.Mute", nullptr, L"Mute");
    EXPECT_FALSE(ReadFileTypeInfo(".corvmute", info));
    EXPECT_EQ(info.description, "Mute");
    EXPECT_EQ(info.contentType, "x/mute");
    EXPECT_EQ(FileTypeOpenProgram("a.corvmute"), "");

    // An extension naming no class, and a name without extension (not
    // the classes root's own default value).
    keys.Set(L".corvempty", L"Content Type", L"x/empty");
    EXPECT_FALSE(ReadFileTypeInfo(".corvempty", info));
    EXPECT_EQ(info.contentType, "x/empty");
    EXPECT_EQ(FileTypeOpenProgram("C:\\Games\\README"), "");
}

TEST(ProgramName, IsTheExecutablesNameWithoutFolderAndExtension) {
    EXPECT_EQ(ProgramBaseName(), "win_tests");
    const Big5 path = ExecutablePath();
    EXPECT_NE(path.find(":\\"), Big5::npos);
    EXPECT_EQ(path.substr(path.size() - 14), "\\win_tests.exe");
    const int bits = ScreenColorBits();
    EXPECT_TRUE(bits == 8 || bits == 16 || bits == 24 || bits == 32) << bits;
}

TEST(CommandLine, WordsAfterTheProgramAreSplitByTheSystemsRulesAndComeAsBig5) {
    EXPECT_EQ(ArgumentsAfterProgram(L"\"C:\\Program Files\\Corvina2.exe\" /FirstRun   \"D:\\網咖 選單\\a.ini\" x"),
              (std::vector<Big5>{"/FirstRun", T(u8"D:\\網咖 選單\\a.ini"), "x"}));
    EXPECT_EQ(ArgumentsAfterProgram(L"cafe-sim.exe \"say \\\"hi\\\"\""), std::vector<Big5>{"say \"hi\""});
    EXPECT_TRUE(ArgumentsAfterProgram(L"Corvina2.exe").empty());
}

// The shell of the real machine opens a document by its type's program,
// with the whole name however long: the program leaves a marker beside it.
TEST(ShellRun, ADocumentWithALongNameIsOpenedWholeByItsRegisteredProgram) {
    ClassKeys keys;
    const std::wstring probe = test::WinePath(INSTANCE_PROBE_EXE);
    keys.Set(L".corvmark", nullptr, L"CorvTest.Marker");
    keys.Set(L"CorvTest.Marker\\shell\\open\\command", nullptr, L"\"" + probe + L"\" mark \"%1\"");

    const test::TempFolder folder;
    const Big5 longFolder = folder.File(T(u8"一個很長很長的資料夾名稱_abcdefghijklmnopqrstuvwxyz_0123456789\\"));
    ASSERT_TRUE(CreateDirectoryW(WideFromBig5(longFolder).c_str(), nullptr));
    const Big5 document = longFolder + T(u8"遊戲說明文件.corvmark");
    ASSERT_GT(document.size(), 120u);
    WriteFileBytes(document, "note");

    WindowsMachine machine;
    EXPECT_GT(RunProgram(machine, document, {}, {}, SW_SHOWNOACTIVATE), 32);
    EXPECT_TRUE(test::PumpUntil(15000, [&] { return FileExists(document + ".opened"); }));
}

}  // namespace
}  // namespace corvina
