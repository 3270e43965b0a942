#include "ui/save_file_dialog.h"

#include <windows.h>
// After windows.h, which it needs.
#include <commdlg.h>

#include <string>

#include "sys/text.h"
#include "ui/application.h"

namespace corvina::ui {

namespace {

// Long paths on a share do happen; the dialog fails rather than cut one.
constexpr std::size_t kFileNameCapacity = 32768;

// Pairs of description and pattern, each ended by a null, the list by another.
std::wstring FilterList(const SaveDialogOptions& options) {
    if (options.filterPattern.empty()) return {};
    std::wstring list = WideFromBig5(options.filterDescription);
    list += L'\0';
    list += WideFromBig5(options.filterPattern);
    list += L'\0';
    list += L'\0';
    return list;
}

}  // namespace

std::optional<Big5> SystemFileDialogs::RunSaveDialog(const SaveDialogOptions& options) {
    const std::wstring filter = FilterList(options);
    const std::wstring folder = WideFromBig5(options.initialFolder);
    std::wstring fileName(kFileNameCapacity, L'\0');
    const Application* application = Application::Current();

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = application ? application->ActiveOwner() : nullptr;
    dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = fileName.data();
    dialog.nMaxFile = static_cast<DWORD>(fileName.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    // The program's current folder stays where it was.
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
    if (!GetSaveFileNameW(&dialog)) return std::nullopt;
    fileName.resize(fileName.find(L'\0'));
    return Big5FromWide(fileName);
}

}  // namespace corvina::ui
