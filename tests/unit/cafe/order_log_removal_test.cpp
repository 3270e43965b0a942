// The order log goes at a session's end and at start, alone.

#include "cafe/order_log_removal.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"
#include "sys/files.h"

namespace corvina {
namespace {

TEST(DeleteOrderLog, RemovesOnlyTheLogAndToleratesItsAbsence) {
    const test::TempFolder cafe;
    WriteFileBytes(cafe.File("GoodsLog.Lst"), "1,tea,2\r\n");
    WriteFileBytes(cafe.File("Menus.ini"), "[a]\r\n");
    DeleteOrderLog(cafe.Path());
    EXPECT_FALSE(FileExists(cafe.File("GoodsLog.Lst")));
    EXPECT_TRUE(FileExists(cafe.File("Menus.ini")));
    EXPECT_NO_THROW(DeleteOrderLog(cafe.Path()));
}

}  // namespace
}  // namespace corvina
