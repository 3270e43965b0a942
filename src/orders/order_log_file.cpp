#include "orders/order_log_file.h"

#include <stdexcept>
#include <utility>

#include "orders/order_log.h"
#include "sys/files.h"
#include "sys/text.h"

namespace corvina {

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

OrderLogKeeper::OrderLogKeeper(Big5 programFolder) : programFolder_(std::move(programFolder)) {}

Big5 OrderLogKeeper::Clear() {
    const Big5 path = OrderLogPath(programFolder_);
    stale_.reset();
    if (FolderExists(path)) return T(u8"訂單記錄檔的位置被同名的資料夾佔用，訂單無法記錄：") + path;
    if (!FileExists(path) || DeleteFileAt(path)) return {};
    if (EmptyFileAt(path)) return T(u8"無法刪除訂單記錄檔，已清空其內容：") + path;
    stale_ = ReadFileBytes(path);
    return T(u8"無法刪除也無法清空訂單記錄檔，其中的舊訂單本次不顯示：") + path;
}

std::optional<std::string> OrderLogKeeper::Read() const {
    if (!stale_) return ReadOrderLogFile(programFolder_);
    const Big5 path = OrderLogPath(programFolder_);
    if (!FileExists(path)) return std::nullopt;
    std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes || !*stale_) return std::nullopt;
    // Lines added since stay; a log replaced meanwhile is this session's.
    if (bytes->starts_with(**stale_)) bytes->erase(0, (*stale_)->size());
    return bytes;
}

}  // namespace corvina
