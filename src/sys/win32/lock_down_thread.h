#pragma once
// The thread of the lock-down. It only pumps messages: Windows calls the
// low-level keyboard hook through it, so a busy or hung window of the menu
// never holds up the keyboard (and Windows never drops a hook that timed
// out), and its timer hides every taskbar that shows while they are to be
// hidden (Explorer restarted, a monitor plugged in).

#include <windows.h>

#include <thread>

#include "sys/win32/handles.h"

namespace corvina {

// Every taskbar window: the primary one and one per further monitor.
void ShowEveryTaskbar(bool show) noexcept;
// From any thread, without waiting for the shell: posted shows and hides.
void ShowEveryTaskbarAsync(bool show) noexcept;

class LockDownThread {
public:
    LockDownThread();
    // The hook goes and the thread ends.
    ~LockDownThread();
    LockDownThread(const LockDownThread&) = delete;
    LockDownThread& operator=(const LockDownThread&) = delete;

    // Both wait until the thread has done it.
    void SetKeysLocked(bool locked);
    void SetTaskbarsHidden(bool hidden);
    // From a crashing thread: the hook goes (waited for a moment at most)
    // and the taskbars stay as the crash handler leaves them.
    void StopAfterCrash() noexcept;

private:
    void Run();

    std::thread thread_;
    DWORD threadId_ = 0;
    win32::ScopedHandle ready_;
};

}  // namespace corvina
