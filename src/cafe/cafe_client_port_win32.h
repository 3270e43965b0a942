#pragma once
// The café client reached through window messages. No send waits on a
// client that has stopped reading its messages, and none waits longer than
// the timeout, so a hung café client never freezes the menu.

#include "cafe/cafe_link.h"
#include "sys/cafe_protocol.h"

namespace corvina {

class WindowsCafeClientPort final : public CafeClientPort {
public:
    explicit WindowsCafeClientPort(unsigned timeoutMs = kCafeSendTimeoutMs) : timeoutMs_(timeoutMs) {}

    CafeWindow FindCafeClient() override;
    bool IsCafeClientWindow(CafeWindow window) override;
    std::optional<std::intptr_t> SendAnnounce(CafeWindow client, CafeWindow menu) override;
    CafeSendResult SendCommand(CafeWindow client, const CafeCommandBlock& block) override;

private:
    unsigned timeoutMs_;
};

}  // namespace corvina
