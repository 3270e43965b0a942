#pragma once
// The account file PSWD.PD of the game-record store: an account is a folder
// under the remote save folder named after the account, and it exists
// exactly when its PSWD.PD does. Line 1 is the password in clear text; every
// save appends it once more. Works on file contents.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "sys/big5.h"

namespace corvina {

inline constexpr std::string_view kAccountFileName = "PSWD.PD";
// Only line 1 counts and a password has at most 12 characters: more of a
// file planted on the share is never read.
inline constexpr std::size_t kAccountFileReadLimit = 4096;

// remote save folder + account + "\": the folder is a plain text prefix.
Big5 AccountFolder(std::string_view remoteSaveFolder, std::string_view account);
Big5 AccountFileName(std::string_view remoteSaveFolder, std::string_view account);

// Up to the first CR, LF or CR LF; the whole text when it has none.
std::string_view AccountFirstLine(std::string_view contents);

// The file's contents, or nothing when it is missing or unreadable (both
// false). Line 1 trimmed of codes 32 and below must equal the password byte
// for byte; an empty password never opens an account.
bool CheckAccountPassword(const std::optional<std::string>& accountFile, std::string_view password);

// What one save appends, and what creates the file: the password and CR LF.
Big5 AccountFileLine(std::string_view password);

}  // namespace corvina
