#include "cafe/cafe_system.h"

#include "sys/text.h"

namespace corvina {

Big5 CafeSystemMissingMessage() {
    return T(u8"用戶端未安裝 Vexel 網咖管理系統，無法提供點餐服務！") + "\r\n" + T(u8"客服專線：(02) 2700-0000") +
           "\r\n" + T(u8"技術支援：0800-000-000");
}

}  // namespace corvina
