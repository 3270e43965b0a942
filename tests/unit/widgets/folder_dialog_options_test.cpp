#include "widgets/folder_dialog_options.h"

#include <gtest/gtest.h>

namespace corvina {
namespace {

using O = TFolderDialogOption;

TEST(FolderDialogOptions, TheCentringsExcludeEachOtherOnlyWhenOneWasSetBefore) {
    const TFolderDialogOptions both{O::bfScreenCenter, O::bfParentCenter};
    EXPECT_EQ(ApplyFolderOptions({O::bfParentCenter}, both).options, TFolderDialogOptions{O::bfScreenCenter});
    EXPECT_EQ(ApplyFolderOptions({O::bfScreenCenter}, both).options, TFolderDialogOptions{O::bfParentCenter});
    EXPECT_EQ(ApplyFolderOptions({}, both).options, both);

    FolderDialogPlacement p;
    p.owner = {100, 100, 400, 200};
    p.screen = {0, 0, 1024, 740};
    p.dialog = {200, 300};
    EXPECT_EQ(FolderDialogPosition(both, p), (Point{200, 150})) << "the parent centring decides";
    EXPECT_EQ(FolderDialogPosition({O::bfScreenCenter}, p), (Point{412, 146}));
    p.ownerClientOrigin = {104, 130};
    p.position = {10, 20};
    EXPECT_EQ(FolderDialogPosition({}, p), (Point{114, 150}));
}

TEST(FolderDialogOptions, BrowsingForAComputerOrAPrinterDropsTheFileSystemFlags) {
    const FolderOptionsChange computer = ApplyFolderOptions(
        kDefaultFolderDialogOptions,
        TFolderDialogOptions(kDefaultFolderDialogOptions).Add(O::bfBrowseForComputer).Add(O::bfFileSysAncestors));
    EXPECT_FALSE(computer.options.Has(O::bfFileSysDirsOnly));
    EXPECT_FALSE(computer.options.Has(O::bfFileSysAncestors));
    EXPECT_TRUE(computer.options.Has(O::bfBrowseForComputer));
    EXPECT_EQ(computer.root, TShellFolder::sfoNetwork);

    const FolderOptionsChange printer = ApplyFolderOptions(
        {O::bfBrowseForComputer, O::bfDontGoBelowDomain},
        {O::bfBrowseForComputer, O::bfDontGoBelowDomain, O::bfBrowseForPrinter, O::bfFileSysDirsOnly});
    EXPECT_EQ(printer.options, TFolderDialogOptions{O::bfBrowseForPrinter});
    EXPECT_FALSE(printer.root.has_value());

    // Only a new request removes anything: the flags stay when kept as they were.
    const TFolderDialogOptions kept{O::bfBrowseForComputer, O::bfFileSysDirsOnly};
    EXPECT_EQ(ApplyFolderOptions(kept, kept).options, kept);
}

TEST(FolderDialogOptions, ThePathInTheStatusLineNeedsTheStatusText) {
    EXPECT_TRUE(ApplyFolderOptions({}, {O::bfShowPathInStatusArea}).options.Has(O::bfStatusText));
    EXPECT_EQ(ApplyFolderOptions({O::bfStatusText, O::bfShowPathInStatusArea}, {O::bfShowPathInStatusArea}).options,
              TFolderDialogOptions{});
}

}  // namespace
}  // namespace corvina
