#pragma once
// A café client window in this process: the class and title the menu looks
// for, answering the menu's announcement as told and writing down every
// message it gets. A hung one lives on a thread that never reads its queue.

#include <windows.h>

#include <functional>
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
