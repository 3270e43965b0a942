#pragma once
// A fresh folder under the system's temporary folder, removed with its
// contents when the test ends. Path() ends in "/" so file names append.

#include <string>

namespace corvina::test {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + name; }

private:
    std::string path_;
};

}  // namespace corvina::test
