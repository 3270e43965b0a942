#pragma once
// Text of the console programs (the menu checker, the report). UTF-8 in:
// a Windows console shows every character only through the wide call, so
// there it is converted; a file or pipe, and every native stream, gets the
// UTF-8 bytes.

#include <string_view>

namespace corvina {

void PrintToConsole(std::string_view utf8);

}  // namespace corvina
