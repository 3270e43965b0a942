#pragma once
// Little-endian fields of picture file headers, read from a byte string.
// Callers check the length first; these do no bounds checks of their own.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace corvina::ui {

inline std::uint16_t Le16(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                      (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

inline std::uint32_t Le32(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint32_t>(Le16(bytes, at)) | (static_cast<std::uint32_t>(Le16(bytes, at + 2)) << 16);
}

inline std::int16_t LeInt16(std::string_view bytes, std::size_t at) {
    return static_cast<std::int16_t>(Le16(bytes, at));
}
inline std::int32_t LeInt32(std::string_view bytes, std::size_t at) {
    return static_cast<std::int32_t>(Le32(bytes, at));
}

}  // namespace corvina::ui
