#include <cstdio>

#include "sys/console_out.h"

namespace corvina {

void PrintToConsole(std::string_view utf8) {
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    std::fflush(stdout);
}

}  // namespace corvina
