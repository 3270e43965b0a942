#include "sys/win32/crash_dump.h"

// After windows.h.
#include <dbghelp.h>

#include <array>

namespace corvina {

MiniDumpWriter::MiniDumpWriter() {
    std::array<wchar_t, MAX_PATH> folder{};
    const UINT length = GetSystemDirectoryW(folder.data(), static_cast<UINT>(folder.size()));
    if (length == 0 || length >= folder.size()) return;
    dbghelp_ = LoadLibraryW((std::wstring(folder.data(), length) + L"\\dbghelp.dll").c_str());
    if (dbghelp_) writeDump_ = reinterpret_cast<void*>(GetProcAddress(dbghelp_, "MiniDumpWriteDump"));
}

MiniDumpWriter::~MiniDumpWriter() {
    if (dbghelp_) FreeLibrary(dbghelp_);
}

bool MiniDumpWriter::Write(HANDLE process, const std::wstring& path, DWORD threadId, EXCEPTION_POINTERS* exception,
                           bool inDumpedProcess) const noexcept {
    if (!writeDump_) return false;
    const HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    MINIDUMP_EXCEPTION_INFORMATION information{threadId, exception, inDumpedProcess ? TRUE : FALSE};
    const auto writeDump = reinterpret_cast<decltype(&MiniDumpWriteDump)>(writeDump_);
    const bool written = writeDump(process, GetProcessId(process), file, MiniDumpNormal,
                                   exception ? &information : nullptr, nullptr, nullptr) != FALSE;
    CloseHandle(file);
    if (!written) DeleteFileW(path.c_str());
    return written;
}

}  // namespace corvina
