#include "cafe/cafe_command.h"

#include <cstring>
#include <limits>
#include <stdexcept>
#include <string>
#include <utility>

#include "sys/numbers.h"
#include "sys/strings.h"

namespace corvina {

std::string_view TextFromBlock(const void* block, std::size_t size) {
    if (block == nullptr || size == 0) return {};
    const char* const bytes = static_cast<const char*>(block);
    // A sender need not terminate its text: never look past `size`.
    const void* const zero = std::memchr(bytes, 0, size);
    const std::size_t length =
        zero == nullptr ? size : static_cast<std::size_t>(static_cast<const char*>(zero) - bytes);
    return {bytes, length};
}

std::optional<CafeCommand> ParseCafeCommand(std::string_view text) {
    if (text.empty()) return std::nullopt;
    SplitResult split = SplitAtSeparator(text, ':');
    const std::int32_t number = ParseIntegerOr(split.head, 0);
    if (number <= 0) return std::nullopt;
    return CafeCommand{number, std::move(split.tail)};
}

std::optional<CafeCommand> ReadCafeCommand(const void* block, std::size_t size) {
    const std::string_view text = TextFromBlock(block, size);
    if (text.size() > kMaxCafeCommandBytes) return std::nullopt;
    return ParseCafeCommand(text);
}

Big5 FormatCafeCommand(std::int32_t number, std::string_view data) {
    Big5 text = std::to_string(number);
    text += ':';
    text += data;
    return text;
}

namespace {

std::uint32_t ByteCountWithZero(std::string_view text) {
    if (text.size() >= std::numeric_limits<std::uint32_t>::max()) {
        throw std::length_error("café command text too long for one copy-data block");
    }
    return static_cast<std::uint32_t>(text.size() + 1);
}

}  // namespace

CafeCommandBlock::CafeCommandBlock(std::int32_t number, std::string_view data)
    : text_(FormatCafeCommand(number, data)), byteCount_(ByteCountWithZero(text_)) {}

}  // namespace corvina
