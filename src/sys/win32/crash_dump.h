#pragma once
// Minidumps for support, by dbghelp's MiniDumpWriteDump. Its documentation
// asks for the dump to be written from another process where possible: a
// crashed process may have a damaged heap and loader, and its own threads
// go on while it writes.

#include <windows.h>

#include <string>

namespace corvina {

class MiniDumpWriter {
public:
    // dbghelp from the system folder only, never a file of that name
    // beside the program; loaded now, so that a crash need not load it.
    MiniDumpWriter();
    ~MiniDumpWriter();
    MiniDumpWriter(const MiniDumpWriter&) = delete;
    MiniDumpWriter& operator=(const MiniDumpWriter&) = delete;

    // A dump of `process` to `path`, replacing what was there. `exception`
    // (null for none, as for a hung process) is the crashed thread's
    // EXCEPTION_POINTERS; `inDumpedProcess` says that the pointer is an
    // address inside `process` rather than in this one. False when no dump
    // was written; a part-written file is removed.
    bool Write(HANDLE process, const std::wstring& path, DWORD threadId, EXCEPTION_POINTERS* exception,
               bool inDumpedProcess) const noexcept;

private:
    HMODULE dbghelp_ = nullptr;
    void* writeDump_ = nullptr;
};

}  // namespace corvina
