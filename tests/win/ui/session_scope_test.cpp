#include "ui/session_scope.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ui_fixture.h"

namespace corvina::ui::test {
namespace {

using SessionScopeTest = UiTest;

TEST_F(SessionScopeTest, ClosesNewestFirstOnceEachAndWhatOpensWhileClosing) {
    std::string order;
    std::unique_ptr<SessionWindow> late;
    SessionWindow first([&] { order += "1"; });
    auto gone = std::make_unique<SessionWindow>([&] { order += "x"; });
    SessionWindow second([&] {
        order += "2";
        late = std::make_unique<SessionWindow>([&] { order += "3"; });
    });
    gone.reset();
    CurrentSessionScope()->CloseWindows();
    EXPECT_EQ(order, "231");
}

TEST_F(SessionScopeTest, TheEndWaitsForWorkStillRunning) {
    SessionScope& scope = *CurrentSessionScope();
    int ran = 0;
    {
        SessionWork copy;
        SessionWork other;
        scope.WhenWorkDone([&] { ++ran; });
        EXPECT_TRUE(scope.WorkRunning());
        EXPECT_EQ(ran, 0);
    }
    EXPECT_EQ(ran, 1);
    scope.WhenWorkDone([&] { ++ran; });
    EXPECT_EQ(ran, 2);
}

}  // namespace
}  // namespace corvina::ui::test
