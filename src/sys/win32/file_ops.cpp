#include "sys/win32/file_ops.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <string>

#include "sys/files.h"
#include "sys/folder_rules.h"
#include "sys/shell_rules.h"
#include "sys/text.h"
#include "sys/win32/handles.h"

namespace corvina {

namespace {

[[noreturn]] void ThrowWriteFailure(const Big5& path) {
    const DWORD error = GetLastError();
    std::string message = "cannot write ";
    message += path;
    message += " (error " + std::to_string(error) + ")";
    throw std::runtime_error(message);
}

// SHFileOperation reads lists of names, each ended by a null, the list by another.
std::wstring ShellNameList(const Big5& name) { return WideFromBig5(name) + L'\0'; }

}  // namespace

void AppendFileBytes(const Big5& path, std::string_view bytes) {
    const win32::ScopedHandle file(CreateFileW(WideFromBig5(path).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                               OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) ThrowWriteFailure(path);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const auto chunk =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, std::numeric_limits<DWORD>::max()));
        DWORD written = 0;
        if (!WriteFile(file.Get(), bytes.data() + done, chunk, &written, nullptr) || written == 0) {
            ThrowWriteFailure(path);
        }
        done += written;
    }
}

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
    return SHFileOperationW(&operation) == 0 && !operation.fAnyOperationsAborted;
}

}  // namespace corvina
