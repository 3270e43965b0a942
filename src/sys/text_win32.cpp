#include <windows.h>

#include <optional>
#include <stdexcept>

#include "sys/text.h"

namespace corvina {

namespace {

constexpr UINT kBig5 = 950;

std::wstring Widen(UINT codePage, std::string_view bytes) {
    if (bytes.empty()) return {};
    const int size = static_cast<int>(bytes.size());
    const int needed = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    if (needed <= 0) throw std::runtime_error("text conversion failed");
    std::wstring wide(static_cast<std::size_t>(needed), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), size, wide.data(), needed);
    return wide;
}

// `inexact`, when given, tells whether any character had no Big5 form.
std::string Narrow(UINT codePage, std::wstring_view wide, bool* inexact = nullptr) {
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    // UTF-8 takes no default character and no flags; code page 950 gets
    // "?" and never a best-fit look-alike, which would change a name
    // silently into another (a file that is not the one meant).
    const bool utf8 = codePage == CP_UTF8;
    const char* defaultChar = utf8 ? nullptr : "?";
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* usedDefaultOut = utf8 ? nullptr : &usedDefault;
    const int needed = WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, defaultChar, nullptr);
    if (needed <= 0) throw std::runtime_error("text conversion failed");
    std::string bytes(static_cast<std::size_t>(needed), '\0');
    WideCharToMultiByte(codePage, flags, wide.data(), size, bytes.data(), needed, defaultChar, usedDefaultOut);
    if (inexact != nullptr) *inexact = usedDefault != FALSE;
    return bytes;
}

}  // namespace

std::wstring WideFromBig5(std::string_view big5) { return Widen(kBig5, big5); }

Big5 Big5FromWide(std::wstring_view wide) { return Narrow(kBig5, wide); }

std::optional<Big5> ExactBig5FromWide(std::wstring_view wide) {
    bool inexact = false;
    Big5 bytes = Narrow(kBig5, wide, &inexact);
    if (inexact) return std::nullopt;
    return bytes;
}

Big5 Big5FromUtf8(std::string_view utf8) { return Narrow(kBig5, Widen(CP_UTF8, utf8)); }

std::string Utf8FromBig5(std::string_view big5) { return Narrow(CP_UTF8, Widen(kBig5, big5)); }

}  // namespace corvina
