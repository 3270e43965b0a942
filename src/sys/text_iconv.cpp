#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

#include "sys/text.h"

namespace corvina {

namespace {

using SkipWidth = std::size_t (*)(unsigned char firstByte);

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
        }
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Unconvertible input is replaced, never dropped silently or fatal.
    std::string Convert(std::string_view in, std::string_view replacement, SkipWidth skipWidth) const {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::string out;
        out.reserve(in.size() * 2);
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        char buffer[256];
        while (srcLeft > 0) {
            char* dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            const std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<std::size_t>(dst - buffer));
            if (rc != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
            out.append(replacement);
            const std::size_t skip =
                errno == EINVAL ? srcLeft : std::min(skipWidth(static_cast<unsigned char>(*src)), srcLeft);
            src += skip;
            srcLeft -= skip;
        }
        return out;
    }

private:
    iconv_t cd_;
};

std::size_t Utf8CharWidth(unsigned char lead) {
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

std::size_t Big5CharWidth(unsigned char lead) { return IsBig5LeadByte(lead) ? 2 : 1; }

}  // namespace

Big5 Big5FromUtf8(std::string_view utf8) {
    thread_local const Converter toBig5("CP950", "UTF-8");
    return toBig5.Convert(utf8, "?", Utf8CharWidth);
}

std::string Utf8FromBig5(std::string_view big5) {
    thread_local const Converter toUtf8("UTF-8", "CP950");
    return toUtf8.Convert(big5, "\xEF\xBF\xBD", Big5CharWidth);
}

}  // namespace corvina
