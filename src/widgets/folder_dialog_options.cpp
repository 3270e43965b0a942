#include "widgets/folder_dialog_options.h"

namespace corvina {

namespace {
using O = TFolderDialogOption;

bool NewlySet(TFolderDialogOptions before, TFolderDialogOptions requested, O option) {
    return requested.Has(option) && !before.Has(option);
}
}  // namespace

FolderOptionsChange ApplyFolderOptions(TFolderDialogOptions before, TFolderDialogOptions requested) {
    FolderOptionsChange change{requested, std::nullopt};
    TFolderDialogOptions& options = change.options;

    // Asking for both centrings keeps the one that is new; with neither
    // new, both stay and the parent centring decides.
    if (options.Has(O::bfScreenCenter) && options.Has(O::bfParentCenter)) {
        if (before.Has(O::bfScreenCenter) && !before.Has(O::bfParentCenter)) options.Remove(O::bfScreenCenter);
        if (before.Has(O::bfParentCenter) && !before.Has(O::bfScreenCenter)) options.Remove(O::bfParentCenter);
    }
    if (NewlySet(before, requested, O::bfBrowseForComputer)) {
        change.root = TShellFolder::sfoNetwork;
        options.Remove(O::bfFileSysDirsOnly).Remove(O::bfFileSysAncestors).Remove(O::bfBrowseForPrinter);
    }
    if (options.Has(O::bfBrowseForPrinter) && NewlySet(before, requested, O::bfBrowseForPrinter)) {
        options.Remove(O::bfFileSysDirsOnly)
            .Remove(O::bfDontGoBelowDomain)
            .Remove(O::bfFileSysAncestors)
            .Remove(O::bfBrowseForComputer);
    }
    if (before.Has(O::bfStatusText) && !requested.Has(O::bfStatusText)) {
        options.Remove(O::bfShowPathInStatusArea);
    } else if (NewlySet(before, requested, O::bfShowPathInStatusArea)) {
        options.Add(O::bfStatusText);
    }
    return change;
}

unsigned FolderBrowseFlags(TFolderDialogOptions options) {
    struct Flag {
        O option;
        unsigned value;
    };
    static constexpr Flag kFlags[] = {
        {O::bfFileSysDirsOnly, 0x1},       {O::bfDontGoBelowDomain, 0x2},    {O::bfStatusText, 0x4},
        {O::bfFileSysAncestors, 0x8},      {O::bfBrowseForComputer, 0x1000}, {O::bfBrowseForPrinter, 0x2000},
        {O::bfBrowseIncludeFiles, 0x4000},
    };
    unsigned flags = 0;
    for (const Flag& flag : kFlags) {
        if (options.Has(flag.option)) flags |= flag.value;
    }
    return flags;
}

std::optional<int> SpecialFolderNumber(TShellFolder folder) {
    const int index = static_cast<int>(folder);
    if (index == 0) return std::nullopt;
    // The desktop is 0; sfoPrograms ... sfoStartMenu are 2 ... 11, the rest 16 ... 27.
    if (index == 1) return 0;
    if (index <= static_cast<int>(TShellFolder::sfoStartMenu)) return index;
    return index + 4;
}

Point FolderDialogPosition(TFolderDialogOptions options, const FolderDialogPlacement& p) {
    if (options.Has(O::bfParentCenter)) {
        return {p.owner.left + (p.owner.width - p.dialog.width) / 2, p.owner.top + p.owner.height / 4};
    }
    if (options.Has(O::bfScreenCenter)) {
        return {p.screen.left + (p.screen.width - p.dialog.width) / 2,
                p.screen.top + (p.screen.height - p.dialog.height) / 3};
    }
    return {p.ownerClientOrigin.x + p.position.x, p.ownerClientOrigin.y + p.position.y};
}

}  // namespace corvina
