#pragma once
// CafeLink: which window is the café client and whether the link is up,
// with the handshake in both directions and the sending of commands. The
// window system is reached only through CafeClientPort, so the rules run
// the same against the real café client and against a test's fake.

#include <cstdint>
#include <optional>
#include <string_view>

#include "cafe/cafe_command.h"

namespace corvina {

// A window handle's value; 0 is no window.
using CafeWindow = std::intptr_t;

// What became of one command sent to the café client.
enum class CafeSendResult {
    Delivered,    // the client's window procedure took it
    LinkDown,     // nothing sent: there is no link
    NotAnswered,  // no answer in time, but the client still reads its messages
    Hung,         // the client stopped reading its messages
    Gone,         // the client's window is gone, or is no longer the client's
};

class CafeClientPort {
public:
    // The top-level window of kCafeClientClass titled kCafeClientTitle, or 0.
    virtual CafeWindow FindCafeClient() = 0;
    // Still a live window of kCafeClientClass: handles are reused after a
    // window ends, and a stranger must never get our commands.
    virtual bool IsCafeClientWindow(CafeWindow window) = 0;
    // kMsgCafeAnnounce, wParam 0, lParam = menu. Nothing when the client
    // gave up answering within kCafeSendTimeoutMs.
    virtual std::optional<std::intptr_t> SendAnnounce(CafeWindow client, CafeWindow menu) = 0;
    // WM_COPYDATA with wParam 0. Without an answer in time, the client is
    // judged by whether it still reads its messages: NotAnswered, Hung or
    // Gone; never LinkDown.
    virtual CafeSendResult SendCommand(CafeWindow client, const CafeCommandBlock& block) = 0;

protected:
    ~CafeClientPort() = default;
};

struct ConnectOutcome {
    bool clientFound = false;
    // The client answered the announcement in time (with any value).
    bool answered = false;
    // The client answered kMsgCafeOpenOrders: do what that message does.
    bool openOrderWindow = false;
};

class CafeLink {
public:
    explicit CafeLink(CafeClientPort& port) : port_(port) {}

    // ConnectCafeClient, on every activation of the menu's main window:
    // starts from link down, finds the client, announces the menu, and on a
    // positive answer sends kCafeLinkEstablished.
    ConnectOutcome Connect(CafeWindow menu);

    // The client's kMsgCafeAnnounce: lParam is its window. Sends
    // kCafeLinkEstablished and returns the message's result, lParam.
    std::intptr_t Announced(std::intptr_t lParam);

    // SendCafeCommand. Nothing while the link is down. A client that is
    // gone or hung takes the link down until the next handshake; one that
    // was only slow to answer keeps it, though this command may not have
    // reached it.
    CafeSendResult Send(std::int32_t number, std::string_view data);

    bool IsUp() const { return up_; }
    CafeWindow Client() const { return client_; }

private:
    CafeClientPort& port_;
    CafeWindow client_ = 0;
    bool up_ = false;
};

// The administrator's log line for a send that failed, naming the command;
// empty for one that was delivered or never tried (link down).
Big5 CafeSendFaultText(CafeSendResult result, std::string_view commandText);

}  // namespace corvina
