#pragma once
// A café client window in this process: the class and title the menu looks
// for, answering the menu's announcement as told and writing down every
// message it gets. A hung one lives on a thread that never reads its queue.

#include <windows.h>

#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "sys/win32/handles.h"

namespace corvina::test {

class FakeCafeClient {
public:
    explicit FakeCafeClient(const wchar_t* title = L"VexelDesk");

    HWND Handle() const { return window_.Get(); }
    LPARAM HandleParam() const { return reinterpret_cast<LPARAM>(Handle()); }

    // The menu's 5024 gets this answer.
    LRESULT announceAnswer = 1;
    // "5024 lparam=menu" or the command text; "cb!" marks a block whose
    // cbData is not its text plus the terminating zero.
    std::vector<std::string> events;
    // Runs after each message is written down, inside the send.
    std::function<void(UINT message)> onMessage;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    win32::OwnedWindow window_;
};

// A café client on a thread of its own, as in another program: its window
// procedure may answer the menu's commands from inside, with SendMessage,
// while the menu's send still waits, and it can send the menu messages and
// wait for their answers as a synchronous café client does.
class ThreadedCafeClient {
public:
    // Runs on the client's thread, inside its handler of each command text.
    using OnCommand = std::function<void(HWND self, const std::string& text)>;

    explicit ThreadedCafeClient(OnCommand onCommand = {});
    ~ThreadedCafeClient();
    ThreadedCafeClient(const ThreadedCafeClient&) = delete;
    ThreadedCafeClient& operator=(const ThreadedCafeClient&) = delete;

    HWND Handle() const { return window_; }
    LPARAM HandleParam() const { return reinterpret_cast<LPARAM>(window_); }
    // Runs `job` on the client's thread, from its message loop.
    void Run(std::function<void()> job);
    // The command texts received, and "sent X -> ok|timeout" for each Send.
    std::vector<std::string> Events() const;

    // From the client's thread: a text to `menu`, waiting for its answer,
    // as a café client does; false when no answer came within a second.
    bool SendText(HWND menu, const std::string& text);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    void Record(std::string event);

    OnCommand onCommand_;
    mutable std::mutex mutex_;
    std::vector<std::string> events_;
    std::vector<std::function<void()>> jobs_;
    win32::ScopedHandle created_;
    HWND window_ = nullptr;
    DWORD threadId_ = 0;
    std::thread thread_;
};

// A TFCltMain window whose thread stops reading messages until the end.
class HungCafeClient {
public:
    HungCafeClient();
    ~HungCafeClient();
    HungCafeClient(const HungCafeClient&) = delete;
    HungCafeClient& operator=(const HungCafeClient&) = delete;

    HWND Handle() const { return window_; }

private:
    win32::ScopedHandle created_;
    win32::ScopedHandle release_;
    HWND window_ = nullptr;
    std::thread thread_;
};

}  // namespace corvina::test
