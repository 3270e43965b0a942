#pragma once
// The one place where text changes encoding. The program's own texts are
// UTF-8 literals in the source and become Big5 here; the Win32 layer turns
// Big5 into UTF-16 for every W call. Code page 950 is always named
// explicitly: the PC's own language setting never matters.

#include <optional>
#include <string>
#include <string_view>

#include "sys/big5.h"

namespace corvina {

// UTF-8 to Big5. Characters without a Big5 form become "?".
Big5 Big5FromUtf8(std::string_view utf8);

// Big5 to UTF-8. Bytes that are not Big5 become U+FFFD.
std::string Utf8FromBig5(std::string_view big5);

// The program's own texts: T(u8"無此頁！").
inline Big5 T(std::u8string_view utf8) {
    return Big5FromUtf8({reinterpret_cast<const char*>(utf8.data()), utf8.size()});
}

#ifdef _WIN32
std::wstring WideFromBig5(std::string_view big5);
// Characters without a Big5 form become "?", never a look-alike.
Big5 Big5FromWide(std::wstring_view wide);
// Nothing when any character has no Big5 form: such a name is never used
// as a path (it would name another file, or none).
std::optional<Big5> ExactBig5FromWide(std::wstring_view wide);
#endif

}  // namespace corvina
