#pragma once
// Where a game's records lie in the store and how the dialogs name them:
// remote save folder + account + "\" + item caption holds the record files
// of that game under their own names.

#include <string_view>

#include "sys/big5.h"

namespace corvina {

// SaveFileExt of the item's file; blank means every file.
Big5 RecordExtension(std::string_view saveFileExt);

// The item's record folder, without a final backslash (the copy's target).
Big5 RecordFolder(std::string_view remoteSaveFolder, std::string_view account, std::string_view caption);

// A file chosen in the record folder's list, by its full path.
Big5 RecordFilePath(std::string_view recordFolder, std::string_view fileName);

// The file list's mask: "*." + extension.
Big5 RecordFileMask(std::string_view extension);

// The save dialog's one filter entry. Kept in two parts: a Big5 caption may
// hold the byte of "|" as a trail byte, so the joined text can't be split.
struct FileFilter {
    Big5 description;  // caption + " files (*." + extension + ")"
    Big5 pattern;      // "*." + extension
};
FileFilter SaveDialogFilter(std::string_view caption, std::string_view extension);
// description + "|" + pattern
Big5 FilterText(const FileFilter& filter);

}  // namespace corvina
