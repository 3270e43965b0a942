#pragma once
// The line a crash leaves in Corvina2.crash.txt for whoever looks after the
// PC: when, which exception, where, and in which module. Formatted into a
// caller's buffer: a crashing process may have no usable heap.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "sys/day_number.h"

namespace corvina {

inline constexpr std::string_view kCrashLogName = "Corvina2.crash.txt";
inline constexpr std::string_view kCrashDumpName = "Corvina2.dmp";

// What ended a C++ exception nobody caught: the system's code for a fatal
// application exit.
inline constexpr std::uint32_t kUncaughtExceptionCode = 0x40000015;

struct CrashFacts {
    CalendarTime time;
    std::uint32_t code = 0;
    std::uint64_t address = 0;
    std::string_view module;   // its file name; empty when the address lies in none
    std::uint64_t offset = 0;  // from the module's start
};

// "2026-03-04 09:05:07 exception C0000005 at 00007FF6A1B21234 in
// Corvina2.exe+0x1234" and CR LF; "in no module" without a module. Cut to
// the buffer, always ended by CR LF; returns the bytes written.
std::size_t FormatCrashLine(const CrashFacts& facts, std::span<char> out);

}  // namespace corvina
