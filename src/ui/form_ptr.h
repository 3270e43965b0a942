#pragma once
// Forms are held through FormPtr: the form's destruction event runs while
// the whole form still exists, then the form goes.

#include <memory>

namespace corvina::ui {

class Form;

struct FormDeleter {
    void operator()(Form* form) const noexcept;
};

template <typename T>
using FormPtr = std::unique_ptr<T, FormDeleter>;

// Makes a form and runs its creation event (ui/form.h).
template <typename T, typename... Args>
FormPtr<T> MakeForm(Args&&... args);

}  // namespace corvina::ui
