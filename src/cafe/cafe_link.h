#pragma once
// CafeLink: which window is the café client and whether the link is up,
// with the handshake in both directions and the sending of commands. The
// window system is reached only through CafeClientPort, so the rules run
// the same against the real café client and against a test's fake.

#include <cstdint>
#include <optional>
#include <string_view>

#include "cafe/cafe_command.h"
#include "sys/cafe_delivery.h"

namespace corvina {

// A window handle's value; 0 is no window.
using CafeWindow = std::intptr_t;

// What became of one command sent to the café client.
enum class CafeSendResult {
    Delivered,  // the client's window procedure took it
    // Known not sent.
    LinkDown,      // there is no link
    Gone,          // the client's window is gone, or is no longer the client's
    Refused,       // Windows refused the send at once
    AccessDenied,  // refused between integrity levels (UIPI)
    // Sent without an answer in time: the client may have handled it.
    NotAnswered,      // the client still reads its messages
    Hung,             // the client stopped reading its messages
    EndedDuringSend,  // the client's window went while it had the command
};

CafeDelivery DeliveryOf(CafeSendResult result);

class CafeClientPort {
public:
    // The top-level window of kCafeClientClass titled kCafeClientTitle, or 0.
    virtual CafeWindow FindCafeClient() = 0;
    // Still a live window of kCafeClientClass: handles are reused after a
    // window ends, and a stranger must never get our commands.
    virtual bool IsCafeClientWindow(CafeWindow window) = 0;
    // kMsgCafeAnnounce, wParam 0, lParam = menu. Nothing when the client
    // gave up answering within kCafeSendTimeoutMs. With `waitIfBusy` a
    // client that has not read its messages for a while is still given the
    // whole timeout: after a slow handler it is busy, not gone.
    virtual std::optional<std::intptr_t> SendAnnounce(CafeWindow client, CafeWindow menu, bool waitIfBusy) = 0;
    // WM_COPYDATA with wParam 0: Delivered, or what stopped it; never
    // LinkDown or Gone, which the link decides before it sends.
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
    // Nothing, and the link as it was, when lParam is not the window found
    // as the café client: a stranger must not take the link over.
    std::optional<std::intptr_t> Announced(std::intptr_t lParam);

    // SendCafeCommand. A client that is gone, hung or refused takes the
    // link down; one that was only slow to answer keeps it. After a send
    // that timed out took it down, the next send shakes hands again first
    // (that handshake is then TakeRetriedHandshake's), so a client busy in
    // a long handler is back as soon as it answers. Otherwise nothing is
    // sent while the link is down.
    CafeSendResult Send(std::int32_t number, std::string_view data);

    // The outcome of the handshake the last Send retried, once.
    std::optional<ConnectOutcome> TakeRetriedHandshake();

    bool IsUp() const { return up_; }
    bool HandshakeDue() const { return handshakeDue_; }
    CafeWindow Client() const { return client_; }

private:
    ConnectOutcome Handshake(CafeWindow menu, bool waitIfBusy);

    CafeClientPort& port_;
    CafeWindow menu_ = 0;
    CafeWindow client_ = 0;
    bool up_ = false;
    bool handshakeDue_ = false;
    std::optional<ConnectOutcome> retried_;
};

// The administrator's log line for a send that failed, naming the command;
// empty for one that was delivered or never tried (link down). A command
// that may have arrived is named unconfirmed; one refused between integrity
// levels names the elevation.
Big5 CafeSendFaultText(CafeSendResult result, std::string_view commandText);

}  // namespace corvina
