// The record folder, the file list's mask and the save dialog's filter.

#include <gtest/gtest.h>

#include "records/record_paths.h"
#include "sys/text.h"

namespace corvina {
namespace {

TEST(RecordPaths, RecordFolderIsAccountThenCaption) {
    EXPECT_EQ(RecordFolder(R"(S:\rec\)", "joe", "Game"), R"(S:\rec\joe\Game)");
    EXPECT_EQ(RecordFilePath(R"(S:\rec\joe\Game)", "a.sav"), R"(S:\rec\joe\Game\a.sav)");
    // A caption ending in 功 (trail byte "\") still gets its own backslash.
    EXPECT_EQ(RecordFilePath(T(u8"S:\\rec\\joe\\許功"), "a.sav"), T(u8"S:\\rec\\joe\\許功\\a.sav"));
}

TEST(RecordPaths, BlankExtensionMeansEveryFile) {
    EXPECT_EQ(RecordExtension(""), "*");
    EXPECT_EQ(RecordExtension("  "), "*");
    EXPECT_EQ(RecordExtension("sav"), "sav");
    EXPECT_EQ(RecordFileMask("sav"), "*.sav");
    EXPECT_EQ(RecordFileMask(RecordExtension("")), "*.*");
}

TEST(RecordPaths, SaveDialogOffersOneFilterEntry) {
    EXPECT_EQ(FilterText(SaveDialogFilter("Game", "sav")), "Game files (*.sav)|*.sav");
    EXPECT_EQ(FilterText(SaveDialogFilter("Game", "*")), "Game files (*.*)|*.*");
    // Description and pattern stay apart: a Big5 trail byte may be "|".
    const FileFilter big5 = SaveDialogFilter(T(u8"許功"), "dat");
    EXPECT_EQ(big5.description, T(u8"許功 files (*.dat)"));
    EXPECT_EQ(big5.pattern, "*.dat");
}

}  // namespace
}  // namespace corvina
