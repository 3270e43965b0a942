#pragma once
// A settings file that cannot be written, for the error paths.

#include <windows.h>

#include <string>

#include "sys/big5.h"
#include "sys/text.h"
#include "sys/win32/handles.h"

namespace corvina::test {

// Wine running as root writes read-only files all the same; a file held
// open without write sharing refuses the write as Windows refuses a
// read-only one.
class WriteLock {
public:
    explicit WriteLock(const Big5& path)
        : file_(CreateFileW(WideFromBig5(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr)),
          path_(WideFromBig5(path)) {
        SetFileAttributesW(path_.c_str(), FILE_ATTRIBUTE_READONLY);
    }
    ~WriteLock() { Release(); }
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;
    void Release() {
        file_.Reset();
        SetFileAttributesW(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
    }

private:
    win32::ScopedHandle file_;
    std::wstring path_;
};

}  // namespace corvina::test
