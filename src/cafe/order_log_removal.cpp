#include "cafe/order_log_removal.h"

#include <stdexcept>

#include "orders/order_log.h"
#include "sys/files.h"
#include "sys/text.h"

namespace corvina {

void DeleteOrderLog(const Big5& programFolder) {
    const Big5 path = programFolder + Big5{kOrderLogName};
    if (FileExists(path) && !DeleteFileAt(path)) {
        throw std::runtime_error(T(u8"無法刪除訂單記錄檔：") + path);
    }
}

}  // namespace corvina
