#pragma once
// The menu as the simulator reaches it: the window it announced, else the
// window of class TfSmenu. No send waits for ever, so a hung menu never
// freezes the simulator.

#include <windows.h>

#include <string>
#include <string_view>

#include "cafe/cafe_command.h"

namespace corvina::cafesim {

struct SendOutcome {
    enum class Kind { Answered, Timeout, NoMenu, Handed };
    Kind kind = Kind::NoMenu;
    LRESULT result = 0;
    // How long a send that waited took.
    unsigned elapsedMs = 0;
};

// "-> ok", "-> timeout", "-> no menu", or nothing for a handed-over
// message: the tail of a send's log line.
std::string DescribeOutcome(const SendOutcome& outcome);

class MenuPeer {
public:
    explicit MenuPeer(unsigned timeoutMs) : timeoutMs_(timeoutMs) {}

    void SetTimeout(unsigned timeoutMs) { timeoutMs_ = timeoutMs; }
    // The lParam of the menu's 5024.
    void Learn(HWND menu) { learnt_ = menu; }
    HWND Target() const;

    // 5024 carries `self` in lParam; the others carry nothing. The menu
    // answers 5025 only when its ordering window closes, so these messages
    // are handed over without waiting; `answered` gets the result later,
    // while this thread handles messages.
    SendOutcome SendSessionMessage(HWND self, unsigned message, SENDASYNCPROC answered) const;
    // The same message, waiting for the menu's answer up to the timeout, as
    // a café client that sends synchronously does.
    SendOutcome SendSessionMessageAndWait(HWND self, unsigned message) const;
    // Commands wait for the menu, up to the timeout: a copy-data block
    // cannot be handed over without waiting.
    SendOutcome SendCommand(HWND self, const CafeCommandBlock& block) const;
    // Any text as it is, zero-terminated, malformed ones included.
    SendOutcome SendText(HWND self, std::string_view big5) const;

    // The first visible top-level window of the menu's process with this
    // class, or null: a message box is "#32770".
    HWND FindShown(std::wstring_view className) const;
    // A message box's text, else the window's title; UTF-8.
    static std::string ShownText(HWND window);

private:
    SendOutcome SendBlock(HWND self, const char* bytes, DWORD count) const;
    SendOutcome Send(HWND target, UINT message, WPARAM wParam, LPARAM lParam) const;

    unsigned timeoutMs_;
    HWND learnt_ = nullptr;
};

}  // namespace corvina::cafesim
