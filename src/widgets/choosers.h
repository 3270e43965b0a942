#pragma once
// The choosers that windows hold, so that tests can answer them: choosing
// a folder and choosing a file to open.

#include "sys/big5.h"

namespace corvina {

class FolderChooser {
public:
    virtual ~FolderChooser() = default;
    // True when the user chose a folder with OK.
    virtual bool Execute() = 0;
    // The chosen folder's path after Execute; empty after Cancel.
    virtual Big5 Directory() const = 0;
};

class OpenFileChooser {
public:
    virtual ~OpenFileChooser() = default;
    // True when the user chose a file with OK.
    virtual bool Execute() = 0;
    virtual Big5 FileName() const = 0;
};

}  // namespace corvina
