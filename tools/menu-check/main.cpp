// Corvina2Check FOLDER: reads a café folder as the menu would and prints
// every problem with its file, line and a fix. Exit status 0 when clean,
// 1 when it found problems, 2 when it could not read the folder.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "folder_reader.h"
#include "menu/menu_check.h"
#include "sys/console_out.h"
#include "sys/files.h"
#include "sys/strings.h"
#include "sys/text.h"

namespace corvina {
namespace {

constexpr int kClean = 0;
constexpr int kProblems = 1;
constexpr int kUnreadable = 2;

int Check(const Big5& folderArgument) {
    const Big5 folder = AddTrailingBackslash(folderArgument);
    const std::string shown = Utf8FromBig5(folderArgument);
    if (folderArgument.empty() || !FolderExists(DiskPath(folder))) {
        PrintToConsole("Corvina2Check: cannot read the folder \"" + shown + "\": it does not exist or is no folder.\n");
        return kUnreadable;
    }
    DiskCafeFolderReader reader;
    const std::vector<CheckFinding> findings = CheckCafeFolder(folder, reader);
    for (const CheckFinding& finding : findings) PrintToConsole(FormatFinding(finding));
    if (findings.empty()) {
        PrintToConsole("No problems found in \"" + shown + "\".\n");
        return kClean;
    }
    PrintToConsole(std::to_string(findings.size()) + (findings.size() == 1 ? " problem" : " problems") +
                   " found in \"" + shown + "\".\n");
    return kProblems;
}

int Usage() {
    PrintToConsole(
        "Usage: Corvina2Check FOLDER\n"
        "Reads the café folder FOLDER (the folder of Corvina2.exe, with Menus.ini and Params.ini) as the menu\n"
        "would, and prints every problem with its file, line and a fix.\n"
        "Exit status: 0 no problems, 1 problems found, 2 the folder could not be read.\n");
    return kUnreadable;
}

}  // namespace
}  // namespace corvina

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
    if (argc != 2) return corvina::Usage();
    return corvina::Check(corvina::Big5FromWide(argv[1]));
}
#else
int main(int argc, char** argv) {
    if (argc != 2) return corvina::Usage();
    return corvina::Check(corvina::Big5FromUtf8(argv[1]));
}
#endif
