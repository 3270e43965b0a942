#pragma once
// Command texts of the café client link: a decimal number, ":" and the data,
// carried zero-terminated in a WM_COPYDATA block.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "sys/big5.h"

namespace corvina {

struct CafeCommand {
    std::int32_t number = 0;
    Big5 data;

    friend bool operator==(const CafeCommand&, const CafeCommand&) = default;
};

// Longer received texts are dropped whole: no command of the link comes
// near it, and a flood must not reach the ordering window's grid.
inline constexpr std::size_t kMaxCafeCommandBytes = 64 * 1024;

// The text of a received block: at most `size` bytes, up to the first zero.
// A null block or size 0 is an empty text. The view points into the block.
std::string_view TextFromBlock(const void* block, std::size_t size);

// Split at the first ":"; the head is the number as a lenient integer.
// Empty texts, texts without ":", and numbers that are not above 0 give
// nothing. The data is kept byte for byte, commas and "|" included.
std::optional<CafeCommand> ParseCafeCommand(std::string_view text);

// TextFromBlock, the length limit, then ParseCafeCommand.
std::optional<CafeCommand> ReadCafeCommand(const void* block, std::size_t size);

// "212:" for 212 with empty data.
Big5 FormatCafeCommand(std::int32_t number, std::string_view data);

// What a send puts into the copy-data record: lpData = Bytes(),
// cbData = ByteCount(), the text's length plus its terminating zero.
class CafeCommandBlock {
public:
    // Throws std::length_error when the text does not fit a 32-bit cbData.
    CafeCommandBlock(std::int32_t number, std::string_view data);

    const char* Bytes() const { return text_.c_str(); }
    std::uint32_t ByteCount() const { return byteCount_; }
    std::string_view Text() const { return text_; }

private:
    Big5 text_;
    std::uint32_t byteCount_;
};

}  // namespace corvina
