#pragma once
// A fresh folder under Windows' temporary folder, removed with its contents
// when the test ends. Path() is Big5 and ends in "\" so names append.

#include <string>

#include "sys/big5.h"

namespace corvina::test {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const Big5& Path() const { return path_; }
    Big5 File(const Big5& name) const { return path_ + name; }

private:
    Big5 path_;
};

}  // namespace corvina::test
