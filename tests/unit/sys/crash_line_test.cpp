#include "sys/crash_line.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace corvina {
namespace {

constexpr CalendarTime kNight{2026, 3, 4, 23, 5, 7, 0};

std::string Line(const CrashFacts& facts, std::size_t room = 256) {
    std::string buffer(room, '#');
    buffer.resize(FormatCrashLine(facts, buffer));
    return buffer;
}

TEST(CrashLine, TimeCodeAddressAndModuleOnOneLine) {
    EXPECT_EQ(Line({kNight, 0xC0000005, 0x7FF6A1B21234, "Corvina2.exe", 0x1234}),
              "2026-03-04 23:05:07 exception C0000005 at 00007FF6A1B21234 in Corvina2.exe+0x1234\r\n");
    EXPECT_EQ(Line({kNight, 0xC0000005, 0x10, "", 0}),
              "2026-03-04 23:05:07 exception C0000005 at 0000000000000010 in no module\r\n");
    // A line break in a module name would start a second line.
    EXPECT_EQ(Line({kNight, kUncaughtExceptionCode, 0x401000, "a\r\nb.dll", 0x10}),
              "2026-03-04 23:05:07 exception 40000015 at 0000000000401000 in a  b.dll+0x10\r\n");
}

TEST(CrashLine, ASmallBufferStillEndsTheLine) {
    const std::string cut = Line({kNight, 0xC0000005, 0x10, "Corvina2.exe", 0}, 24);
    EXPECT_EQ(cut, "2026-03-04 23:05:07 ex\r\n");
    std::array<char, 2> tiny{};
    EXPECT_EQ(FormatCrashLine({kNight, 1, 2, "m", 3}, tiny), 0u);
}

}  // namespace
}  // namespace corvina
