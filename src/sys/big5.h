#pragma once
// Big5 (code page 950) text is the program's text everywhere inside: files,
// café client commands, captions. Lengths and positions count bytes.

#include <cstddef>
#include <string>
#include <string_view>

namespace corvina {

using Big5 = std::string;

// Big5 lead bytes; the byte after one belongs to the same character.
constexpr bool IsBig5LeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

// Offset of the first byte of the last character, or npos for empty text.
// A lone lead byte at the very end counts as a character of its own.
std::size_t LastCharStart(std::string_view text);

// The largest length <= limit that does not cut a double-byte character.
std::size_t CharBoundaryAtOrBefore(std::string_view text, std::size_t limit);

// Blanks and control characters (codes 32 and below) at both ends removed.
std::string_view TrimControlAndBlanks(std::string_view text);

// ASCII letters compared without case; double-byte characters exactly.
bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b);
// The text with its single-byte ASCII letters in lower case: equal for two
// texts exactly when EqualsIgnoreAsciiCase is true, so it keys a set.
std::string FoldAsciiCase(std::string_view text);

}  // namespace corvina
