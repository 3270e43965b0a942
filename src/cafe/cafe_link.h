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
    // WM_COPYDATA with wParam 0; false when the client did not answer in time.
    virtual bool SendCommand(CafeWindow client, const CafeCommandBlock& block) = 0;

protected:
    ~CafeClientPort() = default;
};

struct ConnectOutcome {
    bool clientFound = false;
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

    // SendCafeCommand. Nothing while the link is down. A handle that is no
    // longer the client's, or a client that stops answering, takes the link
    // down until the next handshake.
    void Send(std::int32_t number, std::string_view data);

    bool IsUp() const { return up_; }
    CafeWindow Client() const { return client_; }

private:
    CafeClientPort& port_;
    CafeWindow client_ = 0;
    bool up_ = false;
};

}  // namespace corvina
