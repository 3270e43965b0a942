#include "sys/admin_log.h"

#include <gtest/gtest.h>

#include <string>

#include "support/temp_folder.h"
#include "sys/files.h"
#include "sys/text.h"

namespace corvina {
namespace {

constexpr CalendarTime kMorning{2026, 3, 4, 9, 5, 7, 123};

TEST(AdminLog, OneStampedLinePerMessageAppended) {
    EXPECT_EQ(AdminLogLine(kMorning, "order 207 not delivered"), "2026-03-04 09:05:07 order 207 not delivered\r\n");
    // A message with line breaks of its own still makes one line.
    EXPECT_EQ(AdminLogLine(kMorning, "a\r\nb\nc"), "2026-03-04 09:05:07 a  b c\r\n");
    // Big5 passes unchanged, the trail bytes that look like ASCII included.
    const Big5 big5 = T(u8"許功蓋");
    EXPECT_EQ(AdminLogLine(kMorning, big5), "2026-03-04 09:05:07 " + big5 + "\r\n");

    const test::TempFolder folder;
    AdminLog log(folder.Path(), [] { return kMorning; });
    log.Write("first");
    log.Write("second");
    EXPECT_EQ(ReadFileBytes(folder.File("Corvina2.log")),
              "2026-03-04 09:05:07 first\r\n2026-03-04 09:05:07 second\r\n");
}

TEST(AdminLog, AFullLogMovesAsideAndTheNewLineStartsAFreshOne) {
    const test::TempFolder folder;
    const std::string stamp = "2026-03-04 09:05:07 ";
    // One byte short of the limit with the next line: it still fits.
    const std::string filler(kAdminLogLimitBytes - (stamp.size() + 3) - (stamp.size() + 3), 'x');
    WriteFileBytes(folder.File("Corvina2.log"), filler);
    WriteFileBytes(folder.File("Corvina2.log.1"), "older");
    AdminLog log(folder.Path(), [] { return kMorning; });

    log.Write("a");
    EXPECT_EQ(FileSizeOf(folder.File("Corvina2.log")), kAdminLogLimitBytes - (stamp.size() + 3));
    log.Write("b");
    EXPECT_EQ(FileSizeOf(folder.File("Corvina2.log")), kAdminLogLimitBytes);
    log.Write("c");
    EXPECT_EQ(ReadFileBytes(folder.File("Corvina2.log")), stamp + "c\r\n");
    EXPECT_EQ(FileSizeOf(folder.File("Corvina2.log.1")), kAdminLogLimitBytes);
}

TEST(AdminLog, AnUnwritableLogIsSilent) {
    const test::TempFolder folder;
    AdminLog log(folder.Path() + "missing-folder/", [] { return kMorning; });
    log.Write("nowhere to go");  // must neither throw nor create anything
    EXPECT_FALSE(FolderExists(folder.File("missing-folder")));
}

}  // namespace
}  // namespace corvina
