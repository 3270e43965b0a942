#include "sys/strings.h"

namespace corvina {

SplitResult SplitAtSeparator(std::string_view source, char separator, std::string_view defaultTail) {
    const std::size_t at = source.find(separator);
    if (at == std::string_view::npos) return {Big5{}, Big5{defaultTail}};
    return {Big5{source.substr(0, at)}, Big5{source.substr(at + 1)}};
}

Big5 AddTrailingBackslash(std::string_view path) {
    if (TrimControlAndBlanks(path).empty()) return Big5{path};
    const std::size_t last = LastCharStart(path);
    if (last == path.size() - 1 && path[last] == '\\') return Big5{path};
    Big5 result{path};
    // A lead byte cut off from its trail byte would take the backslash as
    // its trail and hide it: the broken character goes instead.
    if (last == path.size() - 1 && IsBig5LeadByte(static_cast<unsigned char>(path[last]))) result.pop_back();
    result += '\\';
    return result;
}

std::size_t LastBackslashEnd(std::string_view path) {
    std::size_t end = 0;
    std::size_t pos = 0;
    while (pos < path.size()) {
        if (IsBig5LeadByte(static_cast<unsigned char>(path[pos])) && pos + 1 < path.size()) {
            pos += 2;
            continue;
        }
        if (path[pos] == '\\') end = pos + 1;
        ++pos;
    }
    return end;
}

std::string_view TrimBlanks(std::string_view text) {
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace corvina
