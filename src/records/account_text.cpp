#include "records/account_text.h"

#include <algorithm>
#include <array>

namespace corvina {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSmallLetter(char c) { return c >= 'a' && c <= 'z'; }

}  // namespace

bool IsAccountKey(wchar_t key) {
    return key < 32 || (key >= L'0' && key <= L'9') || (key >= L'a' && key <= L'z') || (key >= L'A' && key <= L'Z');
}

Big5 NormalizeAccountText(std::string_view text) {
    // A Big5 trail byte may look like a capital; such text is refused anyway.
    Big5 normalized(text);
    for (char& c : normalized) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return normalized;
}

AccountTextCheck CheckAccountText(std::string_view text) {
    if (text.empty()) return AccountTextCheck::Empty;
    if (text.size() > kAccountTextMaxLength) return AccountTextCheck::Invalid;
    const bool allowed = std::all_of(text.begin(), text.end(), [](char c) { return IsDigit(c) || IsSmallLetter(c); });
    return allowed ? AccountTextCheck::Valid : AccountTextCheck::Invalid;
}

bool IsDeviceName(std::string_view account) {
    static constexpr std::array<std::string_view, 4> kPlain = {"con", "prn", "aux", "nul"};
    const Big5 name = NormalizeAccountText(account);
    if (std::find(kPlain.begin(), kPlain.end(), name) != kPlain.end()) return true;
    return name.size() == 4 && (name.starts_with("com") || name.starts_with("lpt")) && name[3] >= '1' && name[3] <= '9';
}

}  // namespace corvina
