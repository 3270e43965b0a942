#include "widgets/open_picture_dialog.h"

#include <commdlg.h>

#include <optional>
#include <string>
#include <utility>

#include "sys/text.h"
#include "ui/application.h"

namespace corvina {

namespace {

// Pairs of description and patterns, each ending in a null, the list in two.
std::wstring PictureFilter() {
    const std::wstring all = L"*.bmp;*.jpg;*.jpeg;*.ico;*.emf;*.wmf";
    std::wstring filter;
    for (const std::wstring& part :
         {std::wstring(L"All (") + all + L")", all, std::wstring(L"Bitmaps (*.bmp)"), std::wstring(L"*.bmp"),
          std::wstring(L"JPEG Image File (*.jpg;*.jpeg)"), std::wstring(L"*.jpg;*.jpeg"),
          std::wstring(L"Icons (*.ico)"), std::wstring(L"*.ico"), std::wstring(L"Metafiles (*.emf;*.wmf)"),
          std::wstring(L"*.emf;*.wmf")}) {
        filter.append(part);
        filter.push_back(L'\0');
    }
    filter.push_back(L'\0');
    return filter;
}

}  // namespace

bool TOpenPictureDialog::Execute() {
    std::wstring name(32768, L'\0');
    const std::wstring initial = WideFromBig5(fileName_);
    initial.copy(name.data(), name.size() - 1);
    const std::wstring filter = PictureFilter();
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner_ ? owner_ : ui::Application::Instance().ActiveOwner();
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameW(&dialog)) return false;
    name.resize(name.find(L'\0'));
    // A name without a Big5 form could never be opened again: none chosen.
    std::optional<Big5> exact = ExactBig5FromWide(name);
    if (!exact) return false;
    fileName_ = std::move(*exact);
    return true;
}

}  // namespace corvina
