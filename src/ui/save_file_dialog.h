#pragma once
// The system's save dialog behind one small interface, so that tests can
// answer it; SystemFileDialogs shows the real one. (The folder and open
// choosers of the wizard are widgets: widgets/choosers.h.)

#include <optional>

#include "sys/big5.h"

namespace corvina::ui {

struct SaveDialogOptions {
    Big5 initialFolder;  // empty: the system's choice
    // One filter entry: what the list shows and the pattern it stands for.
    Big5 filterDescription;
    Big5 filterPattern;
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen file's full path; nothing on cancel.
    virtual std::optional<Big5> RunSaveDialog(const SaveDialogOptions& options) = 0;
};

class SystemFileDialogs final : public FileDialogs {
public:
    std::optional<Big5> RunSaveDialog(const SaveDialogOptions& options) override;
};

}  // namespace corvina::ui
