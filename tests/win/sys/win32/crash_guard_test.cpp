// The crash guard in a program of its own that lets a C++ exception go
// uncaught on a second thread; the menu's own crash is tested with the
// real program (tests/win/app/main_test.cpp).

#include "sys/win32/crash_guard.h"

#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/processes.h"
#include "support/temp_folder.h"
#include "sys/crash_line.h"
#include "sys/files.h"
#include "sys/text.h"

namespace corvina {
namespace {

using ::testing::MatchesRegex;

TEST(CrashGuard, AnUncaughtExceptionOnAnyThreadIsReportedAndEndsTheProcessWithItsCode) {
    test::TempFolder folder;
    test::ChildProcess probe(test::WinePath(CRASH_PROBE_EXE), L"uncaught " + WideFromBig5(folder.Path()));
    EXPECT_EQ(probe.WaitForExit(30000), kUncaughtExceptionCode);
    EXPECT_THAT(ReadFileBytes(folder.File("Corvina2.crash.txt")).value_or(""),
                MatchesRegex("\\d\\d\\d\\d-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d exception 40000015 at \\w+ "
                             "in crash_probe.exe\\+0x\\w+\r\n"));
    EXPECT_EQ(ReadFileBytes(folder.File("Corvina2.dmp")).value_or("").substr(0, 4), "MDMP");
}

}  // namespace
}  // namespace corvina
