#include "sys/big5.h"

namespace corvina {

namespace {

// Walks characters from the start: trail bytes overlap ASCII, so the only
// safe way to find character starts is from a known boundary.
template <typename Visit>
void ForEachCharStart(std::string_view text, Visit visit) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (!visit(pos)) return;
        const bool doubleByte = IsBig5LeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size();
        pos += doubleByte ? 2 : 1;
    }
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::size_t LastCharStart(std::string_view text) {
    std::size_t last = std::string_view::npos;
    ForEachCharStart(text, [&](std::size_t pos) {
        last = pos;
        return true;
    });
    return last;
}

std::size_t CharBoundaryAtOrBefore(std::string_view text, std::size_t limit) {
    if (limit >= text.size()) return text.size();
    std::size_t boundary = 0;
    ForEachCharStart(text, [&](std::size_t pos) {
        if (pos > limit) return false;
        boundary = pos;
        return true;
    });
    return boundary;
}

std::string_view TrimControlAndBlanks(std::string_view text) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    // Trail bytes include the codes of ASCII letters: only fold single-byte characters.
    std::size_t i = 0;
    while (i < a.size()) {
        if (IsBig5LeadByte(static_cast<unsigned char>(a[i])) && i + 1 < a.size()) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
            i += 2;
        } else {
            if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
            ++i;
        }
    }
    return true;
}

std::string FoldAsciiCase(std::string_view text) {
    std::string folded(text);
    std::size_t i = 0;
    while (i < folded.size()) {
        if (IsBig5LeadByte(static_cast<unsigned char>(folded[i])) && i + 1 < folded.size()) {
            i += 2;
        } else {
            folded[i] = AsciiLower(folded[i]);
            ++i;
        }
    }
    return folded;
}

}  // namespace corvina
