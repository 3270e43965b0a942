#include "cafe/cafe_link.h"

#include <utility>

#include "sys/cafe_protocol.h"
#include "sys/text.h"

namespace corvina {

CafeDelivery DeliveryOf(CafeSendResult result) {
    switch (result) {
        case CafeSendResult::Delivered:
            return CafeDelivery::Taken;
        case CafeSendResult::LinkDown:
        case CafeSendResult::Gone:
        case CafeSendResult::Refused:
        case CafeSendResult::AccessDenied:
            return CafeDelivery::NotSent;
        case CafeSendResult::NotAnswered:
        case CafeSendResult::Hung:
        case CafeSendResult::EndedDuringSend:
            break;
    }
    return CafeDelivery::Unconfirmed;
}

ConnectOutcome CafeLink::Connect(CafeWindow menu) { return Handshake(menu, false); }

ConnectOutcome CafeLink::Handshake(CafeWindow menu, bool waitIfBusy) {
    menu_ = menu;
    handshakeDue_ = false;
    up_ = false;
    client_ = port_.FindCafeClient();
    if (client_ == 0) return {};
    // A client that does not answer in time counts as one that refused.
    const std::optional<std::intptr_t> answer = port_.SendAnnounce(client_, menu, waitIfBusy);
    up_ = answer.value_or(0) > 0;
    Send(kCafeLinkEstablished, {});
    return {true, answer.has_value(), answer == kMsgCafeOpenOrders};
}

std::optional<std::intptr_t> CafeLink::Announced(std::intptr_t lParam) {
    if (lParam == 0 || lParam != port_.FindCafeClient()) return std::nullopt;
    client_ = lParam;
    up_ = true;
    handshakeDue_ = false;
    Send(kCafeLinkEstablished, {});
    return lParam;
}

CafeSendResult CafeLink::Send(std::int32_t number, std::string_view data) {
    if (!up_ && handshakeDue_ && menu_ != 0) {
        retried_ = Handshake(menu_, true);
        // Still busy: the send after this one tries again.
        if (retried_->clientFound && !retried_->answered) handshakeDue_ = true;
    }
    if (!up_) return CafeSendResult::LinkDown;
    if (client_ == 0 || !port_.IsCafeClientWindow(client_)) {
        up_ = false;
        return CafeSendResult::Gone;
    }
    const CafeCommandBlock block(number, data);
    const CafeSendResult result = port_.SendCommand(client_, block);
    switch (result) {
        case CafeSendResult::Delivered:
        case CafeSendResult::LinkDown:
        case CafeSendResult::NotAnswered:
            break;
        case CafeSendResult::Hung:
        case CafeSendResult::EndedDuringSend:
            up_ = false;
            handshakeDue_ = true;
            break;
        case CafeSendResult::Gone:
        case CafeSendResult::Refused:
        case CafeSendResult::AccessDenied:
            up_ = false;
            break;
    }
    return result;
}

std::optional<ConnectOutcome> CafeLink::TakeRetriedHandshake() { return std::exchange(retried_, std::nullopt); }

Big5 CafeSendFaultText(CafeSendResult result, std::string_view commandText) {
    Big5 text;
    switch (result) {
        case CafeSendResult::Delivered:
        case CafeSendResult::LinkDown:
            return {};
        case CafeSendResult::NotAnswered:
            text = T(u8"用戶端程式未及時回應，未確認收到，連線保留：");
            break;
        case CafeSendResult::Hung:
            text = T(u8"用戶端程式沒有回應（停止處理訊息），未確認收到，連線中斷至再次交握：");
            break;
        case CafeSendResult::EndedDuringSend:
            text = T(u8"用戶端程式視窗在處理訊息時關閉，未確認收到：");
            break;
        case CafeSendResult::Gone:
            text = T(u8"用戶端程式視窗已不存在，未送出，連線中斷：");
            break;
        case CafeSendResult::Refused:
            text = T(u8"系統拒絕傳送訊息給用戶端程式，未送出，連線中斷：");
            break;
        case CafeSendResult::AccessDenied:
            text =
                T(u8"系統拒絕傳送（存取被拒）：用戶端程式與選單的權限等級不同（其中之一以系統管理員身分提升權限執行），"
                  u8"請以相同權限執行兩者。未送出，連線中斷：");
            break;
    }
    text += commandText;
    return text;
}

}  // namespace corvina
