#include "cafe/cafe_link.h"

#include "sys/cafe_protocol.h"
#include "sys/text.h"

namespace corvina {

ConnectOutcome CafeLink::Connect(CafeWindow menu) {
    up_ = false;
    client_ = port_.FindCafeClient();
    if (client_ == 0) return {};
    // A client that does not answer in time counts as one that refused.
    const std::optional<std::intptr_t> answer = port_.SendAnnounce(client_, menu);
    up_ = answer.value_or(0) > 0;
    Send(kCafeLinkEstablished, {});
    return {true, answer.has_value(), answer == kMsgCafeOpenOrders};
}

std::intptr_t CafeLink::Announced(std::intptr_t lParam) {
    client_ = lParam;
    up_ = true;
    Send(kCafeLinkEstablished, {});
    return lParam;
}

CafeSendResult CafeLink::Send(std::int32_t number, std::string_view data) {
    if (!up_) return CafeSendResult::LinkDown;
    if (client_ == 0 || !port_.IsCafeClientWindow(client_)) {
        up_ = false;
        return CafeSendResult::Gone;
    }
    const CafeCommandBlock block(number, data);
    const CafeSendResult result = port_.SendCommand(client_, block);
    if (result == CafeSendResult::Hung || result == CafeSendResult::Gone) up_ = false;
    return result;
}

Big5 CafeSendFaultText(CafeSendResult result, std::string_view commandText) {
    Big5 text;
    switch (result) {
        case CafeSendResult::Delivered:
        case CafeSendResult::LinkDown:
            return {};
        case CafeSendResult::NotAnswered:
            text = T(u8"用戶端程式未及時回應，連線保留：");
            break;
        case CafeSendResult::Hung:
            text = T(u8"用戶端程式沒有回應（停止處理訊息），連線中斷至下次交握：");
            break;
        case CafeSendResult::Gone:
            text = T(u8"用戶端程式視窗已不存在，連線中斷：");
            break;
    }
    text += commandText;
    return text;
}

}  // namespace corvina
