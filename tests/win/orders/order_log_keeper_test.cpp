// The order log kept over sessions, with the real file system of Wine:
// logs that will not go, and what is read back afterwards.

#include "orders/order_log_file.h"

#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/temp_folder.h"
#include "sys/files.h"
#include "sys/text.h"
#include "sys/win32/handles.h"

namespace corvina {
namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;

class OrderLogKeeperTest : public ::testing::Test {
protected:
    Big5 Path() const { return folder_.File("GoodsLog.Lst"); }
    void SetReadOnly(bool readOnly) {
        SetFileAttributesW(WideFromBig5(Path()).c_str(), readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
    }
    win32::ScopedHandle Hold(DWORD share) {
        return win32::ScopedHandle(
            CreateFileW(WideFromBig5(Path()).c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr));
    }

    test::TempFolder folder_;
    OrderLogKeeper keeper_{folder_.Path()};
};

TEST_F(OrderLogKeeperTest, AnOrdinaryLogGoesQuietlyAndNoLogIsNoFault) {
    EXPECT_THAT(keeper_.Clear(), IsEmpty());
    WriteFileBytes(Path(), "1,tea,2\r\n");
    EXPECT_THAT(keeper_.Clear(), IsEmpty());
    EXPECT_FALSE(FileExists(Path()));
    EXPECT_EQ(keeper_.Read(), std::nullopt);
}

TEST_F(OrderLogKeeperTest, AHeldLogIsEmptiedWhenItMayBeWritten) {
    WriteFileBytes(Path(), "1,tea,2\r\n");
    const win32::ScopedHandle held = Hold(FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_TRUE(held);
    EXPECT_THAT(Utf8FromBig5(keeper_.Clear()), HasSubstr("GoodsLog.Lst"));
    EXPECT_EQ(ReadFileBytes(Path()), "");
    EXPECT_EQ(keeper_.Read(), "");
}

// Read-only: neither deleted nor emptied. Its lines are left out, and
// lines this session adds are read (Wine lets its root user append).
TEST_F(OrderLogKeeperTest, AReadOnlyLogIsLeftOutUntilAClearSucceeds) {
    WriteFileBytes(Path(), "1,old,2\r\n");
    SetReadOnly(true);
    EXPECT_THAT(Utf8FromBig5(keeper_.Clear()), HasSubstr("GoodsLog.Lst"));
    EXPECT_EQ(ReadFileBytes(Path()), "1,old,2\r\n");
    EXPECT_EQ(keeper_.Read(), "");
    SetReadOnly(false);
    AppendFileBytes(Path(), "7,tea,1\r\n");
    EXPECT_EQ(keeper_.Read(), "7,tea,1\r\n");

    // Replaced by another log meanwhile: all of it is this session's.
    WriteFileBytes(Path(), "9,cola,3\r\n");
    EXPECT_EQ(keeper_.Read(), "9,cola,3\r\n");

    // The next session's clear succeeds: nothing is left out any more.
    WriteFileBytes(Path(), "1,old,2\r\n");
    EXPECT_THAT(keeper_.Clear(), IsEmpty());
    WriteFileBytes(Path(), "1,old,2\r\n");
    EXPECT_EQ(keeper_.Read(), "1,old,2\r\n");
}

// Held without sharing: it cannot be deleted, emptied or even read at the
// start, so nothing of it is shown for this session.
TEST_F(OrderLogKeeperTest, ALogThatCannotEvenBeReadIsReadAsNone) {
    WriteFileBytes(Path(), "1,old,2\r\n");
    {
        const win32::ScopedHandle held = Hold(0);
        ASSERT_TRUE(held);
        EXPECT_THAT(Utf8FromBig5(keeper_.Clear()), HasSubstr("GoodsLog.Lst"));
        EXPECT_EQ(keeper_.Read(), std::nullopt);
    }
    EXPECT_EQ(keeper_.Read(), std::nullopt) << "still this session";
}

TEST_F(OrderLogKeeperTest, AFolderOfTheLogsNameIsReportedAndReadAsNoLog) {
    ASSERT_TRUE(CreateDirectoryW(WideFromBig5(Path()).c_str(), nullptr));
    EXPECT_THAT(Utf8FromBig5(keeper_.Clear()), HasSubstr("GoodsLog.Lst"));
    EXPECT_EQ(keeper_.Read(), std::nullopt);
    RemoveDirectoryW(WideFromBig5(Path()).c_str());
}

}  // namespace
}  // namespace corvina
