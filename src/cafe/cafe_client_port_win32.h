#pragma once
// The café client reached through window messages. Every send gives up on a
// receiver that stopped answering, so a hung café client never freezes the
// menu; a live one is waited for as by a plain SendMessage.

#include "cafe/cafe_link.h"
#include "cafe/cafe_protocol.h"

namespace corvina {

class WindowsCafeClientPort final : public CafeClientPort {
public:
    explicit WindowsCafeClientPort(unsigned timeoutMs = kCafeSendTimeoutMs) : timeoutMs_(timeoutMs) {}

    CafeWindow FindCafeClient() override;
    bool IsCafeClientWindow(CafeWindow window) override;
    std::optional<std::intptr_t> SendAnnounce(CafeWindow client, CafeWindow menu) override;
    bool SendCommand(CafeWindow client, const CafeCommandBlock& block) override;

private:
    unsigned timeoutMs_;
};

}  // namespace corvina
