#include "app/startup.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "sys/text.h"

namespace corvina {
namespace {

using ::testing::ElementsAre;

TEST(FirstRunSwitch, OnlyTheFirstArgumentInAnyCase) {
    using Args = std::vector<std::string_view>;
    EXPECT_TRUE(HasFirstRunSwitch(Args{"START"}));
    EXPECT_TRUE(HasFirstRunSwitch(Args{"start"}));
    EXPECT_TRUE(HasFirstRunSwitch(Args{"Start", "x"}));
    EXPECT_FALSE(HasFirstRunSwitch(Args{"/START"}));
    EXPECT_FALSE(HasFirstRunSwitch(Args{"x", "START"}));
    EXPECT_FALSE(HasFirstRunSwitch(Args{"STARTED"}));
    EXPECT_FALSE(HasFirstRunSwitch(Args{}));
}

TEST(FirstRunSwitch, TheInstallersRunEndsAfterTheWizardOnlyRightAfterStart) {
    using Args = std::vector<std::string_view>;
    EXPECT_TRUE(HasSetupOnlySwitch(Args{"START", "SETUPONLY"}));
    EXPECT_TRUE(HasSetupOnlySwitch(Args{"start", "SetupOnly", "x"}));
    EXPECT_FALSE(HasSetupOnlySwitch(Args{"START"}));
    EXPECT_FALSE(HasSetupOnlySwitch(Args{"SETUPONLY", "START"}));
    EXPECT_FALSE(HasSetupOnlySwitch(Args{"START", "x", "SETUPONLY"}));
    EXPECT_FALSE(HasSetupOnlySwitch(Args{"x", "SETUPONLY"}));
}

TEST(ProgramFolder, FolderOfTheExecutableWithOneBackslash) {
    EXPECT_EQ(ProgramFolderOf("C:\\Corvina2\\Corvina2.exe"), "C:\\Corvina2\\");
    EXPECT_EQ(ProgramFolderOf("\\\\server\\share\\menu\\Corvina2.exe"), "\\\\server\\share\\menu\\");
    // 許 ends in the byte 0x5C: the folder is still the one before the file name.
    const Big5 folder = T(u8"D:\\許\\");
    EXPECT_EQ(ProgramFolderOf(folder + "Corvina2.exe"), folder);
    EXPECT_EQ(ProgramFolderOf(T(u8"D:\\遊戲許")), "D:\\");
}

struct Recorder {
    std::vector<std::string> calls;
    std::vector<CreationStep> Steps(std::initializer_list<std::string_view> names, std::string_view failing = {}) {
        std::vector<CreationStep> steps;
        for (std::string_view name : names) {
            steps.push_back({name, [this, name, failing] {
                                 calls.emplace_back(name);
                                 if (name == failing) throw std::runtime_error("broken " + std::string(name));
                             }});
        }
        return steps;
    }
};

TEST(CreationSteps, RunInOrderAndTheLoadingWindowClosesLast) {
    Recorder recorder;
    const auto steps = recorder.Steps({"update", "order log", "settings", "menu"});
    const auto completed = RunCreationSteps(
        steps, [&] { recorder.calls.emplace_back("close loading"); },
        [](const std::exception&) { FAIL() << "nothing fails"; });
    EXPECT_THAT(recorder.calls, ElementsAre("update", "order log", "settings", "menu", "close loading"));
    EXPECT_EQ(completed.size(), 4u);
}

TEST(CreationSteps, AnErrorIsReportedOnceSkipsTheRestAndStillClosesTheLoadingWindow) {
    Recorder recorder;
    std::vector<std::string> reports;
    const auto steps = recorder.Steps({"update", "settings", "menu"}, "settings");
    const auto completed = RunCreationSteps(
        steps, [&] { recorder.calls.emplace_back("close loading"); },
        [&](const std::exception& error) { reports.emplace_back(error.what()); });
    EXPECT_THAT(recorder.calls, ElementsAre("update", "settings", "close loading"));
    EXPECT_THAT(reports, ElementsAre("broken settings"));
    EXPECT_THAT(completed, ElementsAre("update"));
}

}  // namespace
}  // namespace corvina
