#pragma once
// The café client reached through window messages. No send waits longer
// than the timeout, and only a repeated handshake waits on a client that
// has stopped reading its messages, so a hung café client never freezes
// the menu.

#include "cafe/cafe_link.h"
#include "sys/cafe_protocol.h"

namespace corvina {

class WindowsCafeClientPort final : public CafeClientPort {
public:
    explicit WindowsCafeClientPort(unsigned timeoutMs = kCafeSendTimeoutMs) : timeoutMs_(timeoutMs) {}

    CafeWindow FindCafeClient() override;
    bool IsCafeClientWindow(CafeWindow window) override;
    std::optional<std::intptr_t> SendAnnounce(CafeWindow client, CafeWindow menu, bool waitIfBusy) override;
    CafeSendResult SendCommand(CafeWindow client, const CafeCommandBlock& block) override;

private:
    unsigned timeoutMs_;
};

}  // namespace corvina
