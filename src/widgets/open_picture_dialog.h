#pragma once
// The system's open dialog for a picture file: bitmaps, JPEG images, icons
// and metafiles.

#include <windows.h>

#include "widgets/choosers.h"

namespace corvina {

class TOpenPictureDialog final : public OpenFileChooser {
public:
    // `owner` may be null: the application's active form then.
    explicit TOpenPictureDialog(HWND owner = nullptr) : owner_(owner) {}

    bool Execute() override;
    Big5 FileName() const override { return fileName_; }
    void SetFileName(const Big5& name) { fileName_ = name; }

private:
    HWND owner_;
    Big5 fileName_;
};

}  // namespace corvina
