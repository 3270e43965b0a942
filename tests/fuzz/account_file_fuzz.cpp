// PSWD.PD on the share and the dialog's fields come as any bytes (files
// edited by hand, pasted text): reading must never fault, line 1 alone must
// decide, what a save appends must never change the answer, and only names
// of the account alphabet may become paths. The formatted edit's display
// format is checked on the same bytes, since its printing is the riskiest.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "records/account_file.h"
#include "records/account_text.h"
#include "widgets/edit_format.h"

namespace {

using namespace corvina;

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

void CheckAccountFile(const std::string& contents, std::string_view password) {
    const bool opens = CheckAccountPassword(contents, password);
    if (opens) {
        Check(!password.empty());
        Check(AccountFirstLine(contents).find(password) != std::string_view::npos);
    }
    // Saves append lines: the answer stays whatever they hold.
    Check(CheckAccountPassword(contents + AccountFileLine(password), password) == opens ||
          AccountFirstLine(contents).size() == contents.size());
    Check(!CheckAccountPassword(std::nullopt, password));
}

void CheckField(std::string_view typed) {
    const Big5 text = NormalizeAccountText(typed);
    if (CheckAccountText(text) != AccountTextCheck::Valid) return;
    // A valid name is one plain folder right under the remote folder.
    Check(AccountFileName("R\\", text) == "R\\" + text + "\\PSWD.PD");
    Check(text.find_first_of("\\/.:") == std::string::npos);
    // A new account opens with its own password and no other.
    const Big5 created = AccountFileLine(text);
    Check(CheckAccountPassword(created, text));
    Check(!CheckAccountPassword(created, text + "0"));
}

void CheckFormat(std::string_view format, std::string_view text) {
    for (const EVshowStyle style : {EVshowStyle::evInteger, EVshowStyle::evFloat, EVshowStyle::evString}) {
        EditFormat edit;
        edit.EV_Format_style = style;
        edit.SetFormatText(format);
        if (const std::optional<Big5> result = FormatEditText(edit, text)) {
            // Width and precision are capped: no format can blow the text up.
            Check(result->size() <= format.size() + text.size() + 700);
            Check(EatTrailingZeros(*result).size() <= result->size());
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    // File contents, then after a NUL the typed password.
    const std::size_t split = input.find('\0');
    const std::string contents(input.substr(0, split));
    const std::string_view password = split == std::string_view::npos ? std::string_view() : input.substr(split + 1);
    CheckAccountFile(contents, password);
    CheckField(password);
    CheckField(contents);
    CheckFormat(contents, password);
    return 0;
}
