#pragma once
// The program's field splitter and folder-prefix helper. Byte-based, as the
// program's text is Big5 and its separators lie below every trail byte.

#include <string_view>

#include "sys/big5.h"

namespace corvina {

struct SplitResult {
    Big5 head;
    Big5 tail;
};

// Splits at the first separator: head before it, tail after it. Without a
// separator the head is empty and the tail is the default: the source is
// dropped, and a caller that needs it must test for the separator itself.
SplitResult SplitAtSeparator(std::string_view source, char separator, std::string_view defaultTail = {});

// A non-blank path gets a backslash unless its last character is one.
// The last character, not byte: in 許 the trail byte is 0x5C. A lone lead
// byte at the end is dropped, so that the backslash stays a backslash.
Big5 AddTrailingBackslash(std::string_view path);

// The length of the folder part of a path: up to and including its last
// backslash character (0 when it has none). Trail bytes of 0x5C don't count.
std::size_t LastBackslashEnd(std::string_view path);

// Blanks and tabs at both ends removed (profile-file trimming).
std::string_view TrimBlanks(std::string_view text);

}  // namespace corvina
