#pragma once
// Tells a settings file saved in another encoding than Big5: modern editors
// save UTF-8, often with a byte-order mark, and the menu then reads
// garbled captions or misses the first section header.

#include <string_view>

namespace corvina {

enum class TextEncoding {
    Big5OrAscii,  // what the program reads
    Utf8WithBom,  // EF BB BF first
    Utf8,         // valid UTF-8 holding non-ASCII characters, no mark
    Utf16,        // FF FE or FE FF first
};

TextEncoding GuessTextEncoding(std::string_view bytes);

}  // namespace corvina
