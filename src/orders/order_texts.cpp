#include "orders/order_texts.h"

#include <string>

#include "sys/text.h"

namespace corvina {

Big5 GiveUpSelectionQuestion() { return T(u8"已有選購餐飲，是否放棄？"); }

Big5 MustOrderFirstNotice() { return T(u8"非常抱歉，您必須先點餐！"); }

Big5 PackagePaidNotice() { return T(u8"非常抱歉！\r由於您包台已結帳，若欲購買餐飲及商品請至櫃臺。\r"); }

Big5 NothingToCancelWarning() { return T(u8"購買數量為 0！"); }

Big5 PurchaseWaitText() { return T(u8"請稍後！我們馬上為您服務。"); }

Big5 OrderNotDeliveredMessage() {
    return T(u8"很抱歉，您的點餐未能送達櫃臺！") + "\r\n" +
           T(u8"未送出的品項仍保留在清單中，請稍後再按「確認購買」，或請洽櫃臺。");
}

Big5 UnconfirmedOrderMessage(const std::vector<OrderLine>& lines) {
    Big5 text = T(u8"您的點餐已送出，但櫃臺尚未確認收到：");
    for (const OrderLine& line : lines) text += "\r\n" + line.name + T(u8" × ") + std::to_string(line.quantity);
    return text + "\r\n" + T(u8"再次點購這些品項之前，請先洽櫃臺確認，以免重複點餐。");
}

Big5 UnconfirmedOrderLogText(const OrderLine& line) {
    return T(u8"點餐未經用戶端程式確認（未及時回應），已列入訂單，不會自動重送：") + FormatOrderLine(line);
}

Big5 GoodsListTooLongLogText(std::size_t shownRows) {
    return T(u8"用戶端程式送來的商品清單超過 ") + std::to_string(shownRows) + T(u8" 項，其餘未列出");
}

Big5 UndeliveredOrderLogText(const std::vector<OrderLine>& lines) {
    Big5 text = T(u8"點餐未送達櫃臺，未列入訂單：");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += T(u8"；");
        text += FormatOrderLine(lines[i]);
    }
    return text;
}

}  // namespace corvina
