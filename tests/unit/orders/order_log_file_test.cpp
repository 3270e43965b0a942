#include "orders/order_log_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "orders/order_log.h"
#include "support/temp_folder.h"
#include "sys/files.h"
#include "sys/text.h"

namespace corvina {
namespace {

TEST(OrderLogFile, AppendingCreatesTheLogThenAddsLinesInOrderAsBytes) {
    const test::TempFolder folder;
    EXPECT_EQ(ReadOrderLogFile(folder.Path()), std::nullopt);

    AppendOrderLogFile(folder.Path(), OrderLogEntry({"7", T(u8"可樂"), 2}));
    AppendOrderLogFile(folder.Path(), OrderLogEntry({"9", T(u8"熱狗"), 1}));

    const Big5 expected = T(u8"7,可樂,2\r\n9,熱狗,1\r\n");
    EXPECT_EQ(ReadOrderLogFile(folder.Path()), expected);
    EXPECT_EQ(ReadFileBytes(folder.File("GoodsLog.Lst")), expected);
}

TEST(OrderLogFile, AnEmptyLogIsALogAndFailuresThrow) {
    const test::TempFolder folder;
    WriteFileBytes(folder.File("GoodsLog.Lst"), "");
    EXPECT_EQ(ReadOrderLogFile(folder.Path()), std::string());

    // A folder in the log's place can be neither read nor appended to.
    const test::TempFolder other;
    std::filesystem::create_directory(other.File("GoodsLog.Lst"));
    EXPECT_EQ(ReadOrderLogFile(other.Path()), std::nullopt);
    EXPECT_THROW(AppendOrderLogFile(other.Path(), "1,a,1\r\n"), std::runtime_error);
    EXPECT_THROW(AppendOrderLogFile(other.File("missing/"), "1,a,1\r\n"), std::runtime_error);
}

TEST(OrderLogFile, DeletingRemovesOnlyTheLogAndToleratesItsAbsence) {
    const test::TempFolder folder;
    WriteFileBytes(folder.File("GoodsLog.Lst"), "1,tea,2\r\n");
    WriteFileBytes(folder.File("Menus.ini"), "[a]\r\n");
    DeleteOrderLog(folder.Path());
    EXPECT_FALSE(FileExists(folder.File("GoodsLog.Lst")));
    EXPECT_TRUE(FileExists(folder.File("Menus.ini")));
    EXPECT_NO_THROW(DeleteOrderLog(folder.Path()));
}

}  // namespace
}  // namespace corvina
