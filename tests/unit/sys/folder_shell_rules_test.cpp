#include <gtest/gtest.h>

#include <set>

#include "sys/folder_rules.h"
#include "sys/shell_rules.h"
#include "sys/text.h"

namespace corvina {
namespace {

using Folders = std::vector<Big5>;

TEST(FolderPrefixes, DrivePathsStartAtTheRootNetworkPathsAtTheShare) {
    EXPECT_EQ(FolderPrefixes("C:\\Games\\Save"), (Folders{"C:\\", "C:\\Games\\", "C:\\Games\\Save\\"}));
    EXPECT_EQ(FolderPrefixes("\\\\srv\\rec\\user\\"), (Folders{"\\\\srv\\rec\\", "\\\\srv\\rec\\user\\"}));
    EXPECT_EQ(FolderPrefixes("\\\\srv"), Folders{});
    EXPECT_EQ(FolderPrefixes(""), Folders{});
}

TEST(FolderPrefixes, ATrailByteOf0x5CIsNoBackslash) {
    const Big5 name = T(u8"許功蓋");  // every trail byte is 0x5C
    EXPECT_EQ(FolderPrefixes("D:\\" + name), (Folders{"D:\\", "D:\\" + name + "\\"}));
}

// Folders that exist; creation fails below a missing share.
struct FakeDisk {
    std::set<Big5> folders{"C:\\", "\\\\srv\\rec\\"};
    Folders created;

    bool Exists(const Big5& f) const { return folders.count(f) > 0; }
    bool Create(const Big5& f) {
        if (f.starts_with("\\\\") && !Exists("\\\\srv\\rec\\")) return false;
        if (f.starts_with("\\\\nas\\")) return false;
        created.push_back(f);
        folders.insert(f);
        return true;
    }
    bool Force(std::string_view path) {
        return ForceFolderWith(
            path, [this](const Big5& f) { return Exists(f); }, [this](const Big5& f) { return Create(f); });
    }
};

TEST(ForceFolder, CreatesEachMissingFolderAndNothingWhenAllArePresent) {
    FakeDisk disk;
    EXPECT_TRUE(disk.Force("C:\\a\\b"));
    EXPECT_EQ(disk.created, (Folders{"C:\\a\\", "C:\\a\\b\\"}));
    disk.created.clear();
    EXPECT_TRUE(disk.Force("C:\\a\\b\\"));
    EXPECT_TRUE(disk.created.empty());
    EXPECT_TRUE(disk.Force("\\\\srv\\rec\\u1"));
    EXPECT_EQ(disk.created, (Folders{"\\\\srv\\rec\\u1\\"}));
}

TEST(ForceFolder, AMissingShareOrAnEmptyPathGivesFalse) {
    FakeDisk disk;
    EXPECT_FALSE(disk.Force("\\\\nas\\gone\\u1"));
    EXPECT_FALSE(disk.Force(""));
    EXPECT_FALSE(disk.Force("\\\\nas"));
}

TEST(ProgramBaseName, CutBeforeTheLastDotOfTheFileName) {
    EXPECT_EQ(BaseNameOf("C:\\Cafe\\Corvina2.exe"), "Corvina2");
    EXPECT_EQ(BaseNameOf("C:\\v1.2\\Menu"), "Menu");
    EXPECT_EQ(BaseNameOf("a.b.exe"), "a.b");
    EXPECT_EQ(FileExtension("C:\\x\\Read Me.TXT"), ".TXT");
    EXPECT_EQ(FileExtension("C:\\v1.2\\Menu"), "");
}

// The one rule for every path of the program's files, the checker's too:
// the current folder never counts.
TEST(InProgramFolder, FullPathsStayRelativeOnesHangOffTheProgramFolder) {
    EXPECT_EQ(InProgramFolder("C:\\Cafe\\", "C:\\Games\\a.exe"), "C:\\Games\\a.exe");
    EXPECT_EQ(InProgramFolder("C:\\Cafe\\", "d:pics\\a.jpg"), "d:pics\\a.jpg");
    EXPECT_EQ(InProgramFolder("C:\\Cafe\\", "\\\\server\\a.exe"), "\\\\server\\a.exe");
    EXPECT_EQ(InProgramFolder("C:\\Cafe\\", "\\Games\\a.exe"), "\\Games\\a.exe");
    EXPECT_EQ(InProgramFolder("/cafe/", "/srv/a.exe"), "/srv/a.exe");
    EXPECT_EQ(InProgramFolder("C:\\Cafe\\", "Backgrounds\\page1.jpg"), "C:\\Cafe\\Backgrounds\\page1.jpg");
    EXPECT_EQ(InProgramFolder("C:\\Cafe\\", "..\\Shared\\NoPic.bmp"), "C:\\Cafe\\..\\Shared\\NoPic.bmp");
    EXPECT_EQ(InProgramFolder("/cafe/", "sub\\a.exe"), "/cafe/sub\\a.exe");
    // A double-byte first character is no drive, whatever its trail byte.
    const Big5 picture = T(u8"說明\\許.bmp");
    EXPECT_EQ(InProgramFolder("C:\\Cafe\\", picture), "C:\\Cafe\\" + picture);
    // Blank is no path: it stays blank, and the setting stays off.
    EXPECT_EQ(InProgramFolder("C:\\Cafe\\", ""), "");
    EXPECT_EQ(InProgramFolder("C:\\Cafe\\", "  "), "  ");
}

TEST(FolderOfFile, UpToTheLastSeparatorNeverATrailByte) {
    EXPECT_EQ(FolderOfFile("C:\\Games\\Goal\\goal.exe"), "C:\\Games\\Goal\\");
    EXPECT_EQ(FolderOfFile("C:\\goal.exe"), "C:\\");
    EXPECT_EQ(FolderOfFile("C:/Games/goal.exe"), "C:/Games/");
    EXPECT_EQ(FolderOfFile(T(u8"D:\\遊戲\\許功蓋.exe")), T(u8"D:\\遊戲\\"));
    EXPECT_EQ(FolderOfFile("goal.exe"), "");
}

TEST(AutoStart, ListsRunRunServicesOrBoth) {
    const Big5 run = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    EXPECT_EQ(AutoStartKeys(0), (Folders{run}));
    EXPECT_EQ(AutoStartKeys(1), (Folders{run + "Services"}));
    EXPECT_EQ(AutoStartKeys(2), (Folders{run, run + "Services"}));
    EXPECT_EQ(AutoStartKeys(3), Folders{});
    EXPECT_EQ(AutoStartCommandLine("C:\\Cafe\\", "Corvina2"), "C:\\Cafe\\Corvina2.exe");
}

TEST(AutoStart, SmallLettersLeaveDoubleByteCharactersWhole) {
    EXPECT_EQ(AutoStartData("C:\\CAFE\\Corvina2.EXE"), "c:\\cafe\\corvina2.exe");
    const Big5 folder = T(u8"名丁");  // trail bytes 'W' and 'B'
    ASSERT_EQ(folder[1], 'W');
    EXPECT_EQ(AutoStartData("D:\\" + folder + "\\A.EXE"), "d:\\" + folder + "\\a.exe");
}

TEST(ShellRules, CopyFlagsQuotedProgramsAndSuccessCodes) {
    // No confirmation, no folder question, no progress, no error window.
    EXPECT_EQ(ShellCopyFlags(true), 0x614u);
    EXPECT_EQ(ShellCopyFlags(false), 0x694u);
    EXPECT_EQ(QuotedProgramPath("\"C:\\Program Files\\Ed\\ed.exe\" \"%1\""), "C:\\Program Files\\Ed\\ed.exe");
    EXPECT_EQ(QuotedProgramPath("notepad.exe %1"), "notepad.exe %1");
    EXPECT_EQ(QuotedProgramPath("\"half"), "\"half");
    EXPECT_FALSE(ShellRunSucceeded(32));
    EXPECT_TRUE(ShellRunSucceeded(33));
}

}  // namespace
}  // namespace corvina
