#include "sys/file_encoding.h"

#include <cstddef>

namespace corvina {

namespace {

// Number of continuation bytes a UTF-8 lead byte announces; -1 when the
// byte cannot start a character (overlong leads C0, C1 and F5 on included).
int Utf8Continuations(unsigned char lead) {
    if (lead < 0x80) return 0;
    if (lead >= 0xC2 && lead <= 0xDF) return 1;
    if (lead >= 0xE0 && lead <= 0xEF) return 2;
    if (lead >= 0xF0 && lead <= 0xF4) return 3;
    return -1;
}

// Chinese text in Big5 is almost never valid UTF-8 throughout: its lead
// bytes A4 to F9 are mostly continuation bytes or need two of them after.
bool IsNonAsciiUtf8(std::string_view bytes) {
    bool nonAscii = false;
    for (std::size_t i = 0; i < bytes.size();) {
        const int continuations = Utf8Continuations(static_cast<unsigned char>(bytes[i]));
        if (continuations < 0 || bytes.size() - i <= static_cast<std::size_t>(continuations)) return false;
        for (int k = 1; k <= continuations; ++k) {
            if ((static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]) & 0xC0) != 0x80) return false;
        }
        nonAscii = nonAscii || continuations > 0;
        i += static_cast<std::size_t>(continuations) + 1;
    }
    return nonAscii;
}

}  // namespace

TextEncoding GuessTextEncoding(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) return TextEncoding::Utf8WithBom;
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) return TextEncoding::Utf16;
    return IsNonAsciiUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Big5OrAscii;
}

}  // namespace corvina
