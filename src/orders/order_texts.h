#pragma once
// The ordering window's own texts, in Big5.

#include <cstddef>
#include <vector>

#include "orders/order_log.h"
#include "sys/big5.h"

namespace corvina {

Big5 GiveUpSelectionQuestion();   // "已有選購餐飲，是否放棄？"
Big5 MustOrderFirstNotice();      // "非常抱歉，您必須先點餐！"
Big5 PackagePaidNotice();         // the paid package's refusal, lines split by CR
Big5 NothingToCancelWarning();    // "購買數量為 0！"
Big5 PurchaseWaitText();          // "請稍後！我們馬上為您服務。"
Big5 OrderNotDeliveredMessage();  // the customer's notice that an order did not reach the counter

// The customer's notice of order lines sent without the café client's
// answer: ask at the counter before ordering them again.
Big5 UnconfirmedOrderMessage(const std::vector<OrderLine>& lines);

// The administrator's log line of a purchase that stopped: the order lines
// the café client did not get.
Big5 UndeliveredOrderLogText(const std::vector<OrderLine>& lines);
// The administrator's log line of an order line the café client may have
// got: counted as sent, never sent again by itself.
Big5 UnconfirmedOrderLogText(const OrderLine& line);
// The administrator's log line of a goods list longer than the grid takes.
Big5 GoodsListTooLongLogText(std::size_t shownRows);

}  // namespace corvina
