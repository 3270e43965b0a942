#include "records/account_file.h"

#include "sys/strings.h"

namespace corvina {

Big5 AccountFolder(std::string_view remoteSaveFolder, std::string_view account) {
    return Big5(remoteSaveFolder) + AddTrailingBackslash(account);
}

Big5 AccountFileName(std::string_view remoteSaveFolder, std::string_view account) {
    return AccountFolder(remoteSaveFolder, account) + Big5(kAccountFileName);
}

std::string_view AccountFirstLine(std::string_view contents) {
    return contents.substr(0, contents.find_first_of("\r\n"));
}

bool CheckAccountPassword(const std::optional<std::string>& accountFile, std::string_view password) {
    if (!accountFile || password.empty()) return false;
    return TrimControlAndBlanks(AccountFirstLine(*accountFile)) == password;
}

Big5 AccountFileLine(std::string_view password) { return Big5(password) + "\r\n"; }

}  // namespace corvina
