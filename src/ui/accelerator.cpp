#include "ui/accelerator.h"

#include "sys/big5.h"

namespace corvina::ui {

namespace {

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

char AcceleratorOf(std::string_view caption) {
    for (std::size_t i = 0; i < caption.size(); ++i) {
        const auto byte = static_cast<unsigned char>(caption[i]);
        if (IsBig5LeadByte(byte)) {
            ++i;  // the trail byte may look like "&"
            continue;
        }
        if (caption[i] != '&' || i + 1 >= caption.size()) continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        const auto next = static_cast<unsigned char>(caption[i + 1]);
        return next < 0x80 ? Upper(caption[i + 1]) : 0;
    }
    return 0;
}

bool IsAccelerator(wchar_t key, std::string_view caption) {
    const char accelerator = AcceleratorOf(caption);
    if (accelerator == 0 || key >= 0x80) return false;
    return Upper(static_cast<char>(key)) == accelerator;
}

}  // namespace corvina::ui
