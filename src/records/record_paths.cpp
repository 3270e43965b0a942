#include "records/record_paths.h"

#include "records/account_file.h"
#include "sys/strings.h"

namespace corvina {

Big5 RecordExtension(std::string_view saveFileExt) {
    return TrimBlanks(saveFileExt).empty() ? Big5("*") : Big5(saveFileExt);
}

Big5 RecordFolder(std::string_view remoteSaveFolder, std::string_view account, std::string_view caption) {
    return AccountFolder(remoteSaveFolder, account) + Big5(caption);
}

Big5 RecordFilePath(std::string_view recordFolder, std::string_view fileName) {
    return AddTrailingBackslash(recordFolder) + Big5(fileName);
}

Big5 RecordFileMask(std::string_view extension) { return "*." + Big5(extension); }

FileFilter SaveDialogFilter(std::string_view caption, std::string_view extension) {
    const Big5 pattern = RecordFileMask(extension);
    return {Big5(caption) + " files (" + pattern + ")", pattern};
}

Big5 FilterText(const FileFilter& filter) { return filter.description + "|" + filter.pattern; }

}  // namespace corvina
