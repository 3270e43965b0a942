#include "sys/win32/file_ops.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <string>

#include "sys/files.h"
#include "sys/folder_rules.h"
#include "sys/shell_rules.h"
#include "sys/text.h"
#include "sys/win32/menu_watch_link.h"

namespace corvina {

namespace {

// SHFileOperation reads lists of names, each ended by a null, the list by another.
std::wstring ShellNameList(const Big5& name) { return WideFromBig5(name) + L'\0'; }

}  // namespace

void WriteTextLine(const Big5& fileName, std::string_view line, bool overwrite) {
    Big5 bytes(line);
    bytes += "\r\n";
    if (overwrite) {
        WriteFileBytes(fileName, bytes);
    } else {
        AppendFileBytes(fileName, bytes);
    }
}

bool ForceFolder(const Big5& path) {
    return ForceFolderWith(
        path, [](const Big5& folder) { return FolderExists(folder); },
        [](const Big5& folder) { return CreateDirectoryW(WideFromBig5(folder).c_str(), nullptr) != FALSE; });
}

bool CopyFilesTo(const Big5& source, const Big5& destination, bool createFolders) {
    // An empty list would make the shell copy whatever it takes for "no name".
    if (source.empty() || destination.empty()) return false;
    const std::wstring from = ShellNameList(source);
    const std::wstring to = ShellNameList(destination);
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_COPY;
    operation.pFrom = from.c_str();
    operation.pTo = to.c_str();
    operation.fFlags = static_cast<FILEOP_FLAGS>(ShellCopyFlags(createFolders));
    const CopyingMark copying;
    return SHFileOperationW(&operation) == 0 && !operation.fAnyOperationsAborted;
}

}  // namespace corvina
