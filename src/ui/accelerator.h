#pragma once
// The accelerator of a caption: the character after a single "&" ("&&" is
// a literal ampersand). Portable.

#include <string_view>

namespace corvina::ui {

// The accelerator's ASCII letter or digit in upper case, or 0 when none.
char AcceleratorOf(std::string_view caption);

// True when `key` (a character from the keyboard) selects `caption`.
bool IsAccelerator(wchar_t key, std::string_view caption);

}  // namespace corvina::ui
