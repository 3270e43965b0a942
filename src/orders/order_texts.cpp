#include "orders/order_texts.h"

#include "sys/text.h"

namespace corvina {

Big5 GiveUpSelectionQuestion() { return T(u8"已有選購餐飲，是否放棄？"); }

Big5 MustOrderFirstNotice() { return T(u8"非常抱歉，您必須先點餐！"); }

Big5 PackagePaidNotice() { return T(u8"非常抱歉！\r由於您包台已結帳，若欲購買餐飲及商品請至櫃臺。\r"); }

Big5 NothingToCancelWarning() { return T(u8"購買數量為 0！"); }

Big5 PurchaseWaitText() { return T(u8"請稍後！我們馬上為您服務。"); }

}  // namespace corvina
