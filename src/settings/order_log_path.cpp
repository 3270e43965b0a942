#include "settings/order_log_path.h"

#include <stdexcept>

#include "sys/files.h"
#include "sys/text.h"

namespace corvina {

Big5 OrderLogPath(const Big5& programFolder) {
    Big5 path = programFolder;
    path.append(kOrderLogName);
    return path;
}

void DeleteOrderLog(const Big5& programFolder) {
    const Big5 path = OrderLogPath(programFolder);
    if (FileExists(path) && !DeleteFileAt(path)) {
        Big5 message = T(u8"無法刪除訂單記錄檔：");
        message.append(path);
        throw std::runtime_error(message);
    }
}

}  // namespace corvina
