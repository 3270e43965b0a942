#include "support/temp_folder.h"

#include <windows.h>

#include <atomic>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "sys/text.h"

namespace corvina::test {

TempFolder::TempFolder() {
    static std::atomic<unsigned> counter{0};
    wchar_t temp[MAX_PATH + 1]{};
    if (GetTempPathW(MAX_PATH + 1, temp) == 0) throw std::runtime_error("GetTempPathW failed");
    const std::wstring folder = std::wstring(temp) + L"corvina-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                                std::to_wstring(GetTickCount64()) + L"-" + std::to_wstring(++counter);
    if (!CreateDirectoryW(folder.c_str(), nullptr)) throw std::runtime_error("CreateDirectoryW failed");
    path_ = Big5FromWide(folder) + "\\";
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(WideFromBig5(path_)), ignored);
}

}  // namespace corvina::test
