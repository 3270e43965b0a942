#include "ui/memo.h"

namespace corvina::ui {

Memo::Memo(WinControl& parent)
    : Edit(parent, ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY | WS_VSCROLL | WS_TABSTOP, {0, 0, 185, 89}, {}) {}

void Memo::SetLines(const std::vector<Big5>& lines) {
    Big5 text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += "\r\n";
        text += lines[i];
    }
    SetText(text);
}

std::vector<Big5> Memo::Lines() const {
    std::vector<Big5> lines;
    const Big5 text = Text();
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == Big5::npos) {
            if (start < text.size()) lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

}  // namespace corvina::ui
