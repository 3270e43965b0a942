#include "sys/dialog_sizes.h"

#include <algorithm>

#include "sys/strings.h"

namespace corvina {

Big5 DefaultWaitText() { return "One moment please ......."; }

Size WaitWindowClientSize(std::string_view text, const TextWidthOf& widthOf, int heightOfF) {
    const Big5 padded = "  " + Big5{text} + "  ";
    int lines = 0;
    int widest = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = padded.find('\r', start);
        const std::string_view line = std::string_view(padded).substr(start, end - start);
        widest = std::max(widest, widthOf(line));
        ++lines;
        if (end == Big5::npos) break;
        start = end + 1;
    }
    return {widest, lines * (heightOfF + 6) + 4};
}

}  // namespace corvina
