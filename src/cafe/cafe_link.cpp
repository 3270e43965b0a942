#include "cafe/cafe_link.h"

#include "cafe/cafe_protocol.h"

namespace corvina {

ConnectOutcome CafeLink::Connect(CafeWindow menu) {
    up_ = false;
    client_ = port_.FindCafeClient();
    if (client_ == 0) return {};
    // A client that does not answer in time counts as one that refused.
    const std::intptr_t answer = port_.SendAnnounce(client_, menu).value_or(0);
    up_ = answer > 0;
    Send(kCafeLinkEstablished, {});
    return {true, answer == kMsgCafeOpenOrders};
}

std::intptr_t CafeLink::Announced(std::intptr_t lParam) {
    client_ = lParam;
    up_ = true;
    Send(kCafeLinkEstablished, {});
    return lParam;
}

void CafeLink::Send(std::int32_t number, std::string_view data) {
    if (!up_) return;
    if (client_ == 0 || !port_.IsCafeClientWindow(client_)) {
        up_ = false;
        return;
    }
    const CafeCommandBlock block(number, data);
    if (!port_.SendCommand(client_, block)) up_ = false;
}

}  // namespace corvina
