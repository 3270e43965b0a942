#include "orders/order_log_file.h"

#include <stdexcept>

#include "orders/order_log.h"
#include "sys/files.h"
#include "sys/text.h"

namespace corvina {

Big5 OrderLogPath(const Big5& programFolder) {
    Big5 path = programFolder;
    path.append(kOrderLogName);
    return path;
}

std::optional<std::string> ReadOrderLogFile(const Big5& programFolder) {
    const Big5 path = OrderLogPath(programFolder);
    if (!FileExists(path)) return std::nullopt;
    std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) {
        std::string message = "cannot read ";
        message.append(path);
        throw std::runtime_error(message);
    }
    return bytes;
}

void AppendOrderLogFile(const Big5& programFolder, std::string_view bytes) {
    AppendFileBytes(OrderLogPath(programFolder), bytes);
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
