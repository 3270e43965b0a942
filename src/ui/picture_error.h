#pragma once
// A picture that cannot be loaded. The message is Big5 and names the file
// (or resource), for the error report a person reads.

#include <stdexcept>

#include "sys/big5.h"

namespace corvina::ui {

class PictureError : public std::runtime_error {
public:
    PictureError(const Big5& file, const Big5& reason);
    const Big5& File() const noexcept { return file_; }

private:
    Big5 file_;
};

}  // namespace corvina::ui
