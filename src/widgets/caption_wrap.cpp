#include "widgets/caption_wrap.h"

#include <cstddef>
#include <vector>

namespace corvina {

namespace {

// The bytes of the line being measured, with where each came from in the
// caption and where it went in the result: the accelerator "&" is in the
// result only, so the two positions drift apart.
struct MeasuredLine {
    std::string bytes;
    std::vector<std::size_t> from;
    std::vector<std::size_t> to;

    void Add(char byte, std::size_t source, std::size_t result) {
        bytes.push_back(byte);
        from.push_back(source);
        to.push_back(result);
    }
    void Clear() {
        bytes.clear();
        from.clear();
        to.clear();
    }
};

}  // namespace

WrappedCaption WrapCaption(std::string_view caption, int availableWidth, const TextWidthFn& textWidth) {
    WrappedCaption wrapped;
    Big5& result = wrapped.text;
    MeasuredLine line;
    bool ampersandLiteral = false;

    std::size_t i = 0;
    while (i < caption.size()) {
        if (caption[i] == '&' && !ampersandLiteral) {
            result.push_back('&');
            ampersandLiteral = true;
            ++i;
            continue;
        }
        const bool doubleByte = IsBig5LeadByte(static_cast<unsigned char>(caption[i])) && i + 1 < caption.size();
        const std::size_t length = doubleByte ? 2 : 1;
        for (std::size_t j = 0; j < length; ++j) {
            line.Add(caption[i + j], i + j, result.size());
            result.push_back(caption[i + j]);
        }
        i += length;

        if (line.bytes.size() <= 1 || textWidth(line.bytes) <= availableWidth) continue;

        if (doubleByte && line.bytes.size() > 2) {
            result.resize(result.size() - 2);
            i -= 2;
        } else if (line.bytes.back() != ' ' && line.bytes.find(' ', 1) != std::string::npos) {
            const std::size_t blank = line.bytes.rfind(' ');
            result.resize(line.to[blank] + 1);
            i = line.from[blank];
        }
        result.push_back('\r');
        line.Clear();
        ++wrapped.breaks;
        ampersandLiteral = false;
    }
    return wrapped;
}

}  // namespace corvina
