#pragma once
// A multi-line system edit box, read-only unless asked, with a vertical
// scroll bar; lines end in CR LF.

#include <vector>

#include "ui/edit.h"

namespace corvina::ui {

class Memo : public Edit {
public:
    explicit Memo(WinControl& parent);

    void SetLines(const std::vector<Big5>& lines);
    std::vector<Big5> Lines() const;
};

}  // namespace corvina::ui
