#pragma once
// The wait window shown while a slow step runs, and the modal run of a
// form class. At most one wait window is shown: a second show keeps the
// first text, and the first close ends it for everybody.

#include <utility>

#include "sys/big5.h"
#include "sys/colors.h"
#include "ui/form.h"

namespace corvina {

// The loading window's colours: navy text on light blue.
inline constexpr Color kWaitWindowGround = Color::Rgb(121, 188, 255);
inline constexpr Color kWaitWindowText = Color::Rgb(0, 0, 128);

// A blank text shows "One moment please .......". The window is painted
// before this returns, so it is seen while the slow step runs.
void ShowWaitWindow(const Big5& text, Color background, Color textColor);
void CloseWaitWindow();

// What the shown wait window says; nothing when none is shown.
const Big5* ShownWaitText();

// Creates the form, shows it modally and frees it, also when showing fails.
template <typename T, typename... Args>
ui::ModalResult ShowFormModal(Args&&... args) {
    ui::FormPtr<T> form = ui::MakeForm<T>(std::forward<Args>(args)...);
    return form->ShowModal();
}

}  // namespace corvina
