// A program that crashes on purpose, for the crash guard's tests, in a way
// the menu cannot be made to crash from outside:
//   crash_probe uncaught FOLDER   a C++ exception nobody catches, thrown on
//                                 a second thread; the report goes to FOLDER

#include <windows.h>

#include <stdexcept>
#include <string_view>
#include <thread>

#include "sys/text.h"
#include "sys/win32/crash_guard.h"
#include "sys/win32/machine.h"

int wmain(int argc, wchar_t** argv) {
    if (argc != 3 || std::wstring_view(argv[1]) != L"uncaught") return 2;
    corvina::WindowsMachine machine;
    const corvina::CrashGuard guard(corvina::Big5FromWide(argv[2]), machine);
    std::thread([] { throw std::runtime_error("nobody catches this"); }).join();
    return 0;
}
