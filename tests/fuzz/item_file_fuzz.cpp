// A per-item file (caption + ".ini": web links, note lines, where the
// game keeps its saves) is edited by the café's administrator and comes as
// any bytes. Reading must never fault; every web link has a name and
// shows as a popup row; the note box holds every line; and the record
// paths made from the save settings start with the folders they join.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "menu/menu_data.h"
#include "records/record_paths.h"
#include "settings/item_file.h"
#include "sys/popup_sizes.h"
#include "sys/profile.h"
#include "sys/strings.h"

namespace {

using namespace corvina;
using fuzz::Check;

int ByteWidth(std::string_view text) { return static_cast<int>(text.size()) * 6; }

void CheckWebLinks(const ProfileText& itemFile) {
    const std::vector<WebLink> links = ReadWebLinks(itemFile);
    std::vector<Big5> entries;
    for (const WebLink& link : links) {
        Check(!link.name.empty());
        Check(link.address == itemFile.ReadString("WebLink", link.name));
        entries.push_back(PopupEntryText(link.name));
        Check(entries.back().size() == link.name.size() + 1);
    }
    const Size box = PopupBoxClientSize(entries, ByteWidth, 12, 12, 1, false);
    Check(box.height == 18 * static_cast<int>(entries.size()) + 2 + 4);
    Check(box.width >= 50);
}

void CheckMemo(const ProfileText& itemFile) {
    const std::vector<Big5> lines = ReadMemoLines(itemFile);
    Check(lines.size() == itemFile.KeyNames("Memo").size());
    if (lines.empty()) return;
    const Big5 label = TextBoxLabelText(lines);
    std::size_t expected = 0;
    for (const Big5& line : lines) expected += line.size() + 2;
    Check(label.size() == expected);
    const Size box = TextBoxSize(lines, ByteWidth, 16);
    Check(box.height == 21 + 16 * static_cast<int>(lines.size()) && box.width >= 20);
}

void CheckSaveOptions(const ProfileText& itemFile, std::string_view caption) {
    const SaveFileOptions options = ReadSaveFileOptions(itemFile);
    const Big5 extension = RecordExtension(options.SaveFileExt);
    const Big5 mask = RecordFileMask(extension);
    Check(mask.starts_with("*."));
    const FileFilter filter = SaveDialogFilter(caption, extension);
    Check(filter.pattern == mask);
    Check(FilterText(filter) == filter.description + "|" + filter.pattern);

    const Big5 folder = RecordFolder("\\\\srv\\save\\", "abc", caption);
    Check(folder.starts_with("\\\\srv\\save\\abc\\"));
    const Big5 file = RecordFilePath(folder, "x.sav");
    Check(file == AddTrailingBackslash(folder) + "x.sav");
    Check(LastBackslashEnd(file) == file.size() - 5);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string contents(reinterpret_cast<const char*>(data), size);
    const ProfileText itemFile(contents);
    CheckWebLinks(itemFile);
    CheckMemo(itemFile);
    // The file's first line stands in for the caption it is named after.
    const std::string_view caption = std::string_view(contents).substr(0, contents.find_first_of("\r\n"));
    CheckSaveOptions(itemFile, caption.substr(0, 64));
    Check(ItemFilePath("C:\\menu\\", caption).starts_with("C:\\menu\\"));
    return 0;
}
