#pragma once
// The last act of a crashing process. An exception that nothing handles,
// on any thread, or a C++ exception that nothing catches: the desktop
// window and the taskbar go back to the user, one line goes to
// Corvina2.crash.txt and a minidump to Corvina2.dmp for support (written
// by the watch where one runs), and the process ends with the exception's
// code.

#include <windows.h>

#include <exception>
#include <memory>

#include "sys/big5.h"
#include "sys/win32/machine.h"

namespace corvina {

class CrashGuard {
public:
    // `folder` ends in a backslash; the two files are written there. One
    // guard at a time: Windows keeps one unhandled-exception filter for
    // the whole process, and this takes it over while it lives.
    CrashGuard(const Big5& folder, WindowsMachine& machine);
    // The handlers from before come back.
    ~CrashGuard();
    CrashGuard(const CrashGuard&) = delete;
    CrashGuard& operator=(const CrashGuard&) = delete;

    struct State;

private:
    std::unique_ptr<State> state_;
    LPTOP_LEVEL_EXCEPTION_FILTER previousFilter_ = nullptr;
    std::terminate_handler previousTerminate_ = nullptr;
};

}  // namespace corvina
