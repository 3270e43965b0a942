#include <windows.h>

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

std::string Narrow(UINT codePage, std::wstring_view wide) {
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    // UTF-8 takes no default character; code page 950 gets "?".
    const char* defaultChar = codePage == CP_UTF8 ? nullptr : "?";
    const int needed = WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, defaultChar, nullptr);
    if (needed <= 0) throw std::runtime_error("text conversion failed");
    std::string bytes(static_cast<std::size_t>(needed), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), size, bytes.data(), needed, defaultChar, nullptr);
    return bytes;
}

}  // namespace

std::wstring WideFromBig5(std::string_view big5) { return Widen(kBig5, big5); }

Big5 Big5FromWide(std::wstring_view wide) { return Narrow(kBig5, wide); }

Big5 Big5FromUtf8(std::string_view utf8) { return Narrow(kBig5, Widen(CP_UTF8, utf8)); }

std::string Utf8FromBig5(std::string_view big5) { return Narrow(CP_UTF8, Widen(kBig5, big5)); }

}  // namespace corvina
