// The one way a window finds its object: a property per kind of object.

#include "ui/window_class.h"

#include <gtest/gtest.h>

#include "ui_fixture.h"

namespace corvina::ui::test {
namespace {

using WindowBindingTest = UiTest;

TEST_F(WindowBindingTest, ABindingFindsItsObjectOnlyUnderItsOwnName) {
    FormPtr<Form> form = NewForm();
    int object = 7;
    constexpr WindowBinding<int> kNumbers(L"Corvina.Test.Number");
    EXPECT_EQ(kNumbers.Of(form->Handle()), nullptr);
    kNumbers.Bind(form->Handle(), &object);
    EXPECT_EQ(kNumbers.Of(form->Handle()), &object);
    EXPECT_EQ(WinControl::FromHandle(form->Handle()), form.get()) << "the control's own binding is untouched";
    kNumbers.Unbind(form->Handle());
    EXPECT_EQ(kNumbers.Of(form->Handle()), nullptr);
    EXPECT_EQ(kNumbers.Of(nullptr), nullptr);
}

}  // namespace
}  // namespace corvina::ui::test
