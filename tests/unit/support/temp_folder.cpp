#include "support/temp_folder.h"

#include <filesystem>
#include <stdexcept>
#include <system_error>

#include <stdlib.h>

namespace corvina::test {

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "corvina-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern + "/";
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace corvina::test
