#pragma once
// Account names and passwords: 1 to 12 characters of "0"-"9" and "a"-"z".
// The fields' key filter keeps typing inside that alphabet, but pasted text
// and input methods pass it by, and the name becomes a folder on the share:
// the dialog checks the whole text again on OK.

#include <cstddef>
#include <string_view>

#include "sys/big5.h"

namespace corvina {

inline constexpr std::size_t kAccountTextMaxLength = 12;

// A key `ALLKeyPress` lets through besides Enter: a digit, a letter of
// either case or a control character.
bool IsAccountKey(wchar_t key);

// Capital letters as their small ones, the way typing would have made them.
Big5 NormalizeAccountText(std::string_view text);

enum class AccountTextCheck { Valid, Empty, Invalid };
// On normalized text.
AccountTextCheck CheckAccountText(std::string_view text);

// CON, NUL, COM1 and the like name devices, not folders, on Windows: such
// an account could never hold a file.
bool IsDeviceName(std::string_view account);

}  // namespace corvina
