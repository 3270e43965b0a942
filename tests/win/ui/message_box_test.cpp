#include "ui/message_box.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "support/message_box_answerer.h"
#include "ui/label.h"
#include "ui/timer.h"
#include "ui_fixture.h"

namespace corvina::ui::test {
namespace {

using MessageBoxes = UiTest;

TEST_F(MessageBoxes, TheDefaultErrorReportShowsTheErrorTextInTheApplicationsName) {
    auto form = NewForm();
    auto& label = form->Add<Label>();
    label.SetBounds({0, 0, 50, 50});
    label.OnClick = [](Control&) { throw std::runtime_error(T(u8"檔案不存在！")); };
    app_.OnException = nullptr;
    std::vector<SeenBox> seen;
    const BoxAnswerer answerer(seen, IDOK);
    ClickAt(form->Handle(), 10, 10);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, WideFromBig5(T(u8"檔案不存在！")));
    EXPECT_EQ(seen[0].caption, WideFromBig5(T(u8"測試")));
    EXPECT_EQ(seen[0].owner, app_.ActiveOwner());
}

TEST_F(MessageBoxes, TheYesNoQuestionTellsWhichButtonWasPressed) {
    std::vector<SeenBox> seen;
    {
        const BoxAnswerer answerer(seen, IDYES);
        EXPECT_TRUE(AskYesNo(T(u8"要結束嗎？")));
    }
    {
        const BoxAnswerer answerer(seen, IDNO);
        EXPECT_FALSE(AskYesNo("again?"));
    }
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].text, WideFromBig5(T(u8"要結束嗎？")));
    EXPECT_EQ(seen[1].text, L"again?");
}

}  // namespace
}  // namespace corvina::ui::test
