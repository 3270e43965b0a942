// What a record copy may carry, and the wait after wrong passwords.

#include <gtest/gtest.h>

#include "records/password_backoff.h"
#include "records/record_rules.h"

namespace corvina {
namespace {

TEST(RecordRules, ProgramsAndShortcutsAreKnownWhateverTheirSpelling) {
    for (const wchar_t* name : {L"version.dll", L"DDRAW.DLL", L"game.Exe", L"start.lnk", L"x.ps1", L"a.b.reg",
                                L"evil.dll.", L"evil.dll . .", L"run.js", L"setup.MSI", L"k.sys", L"p.pif"}) {
        EXPECT_TRUE(IsProgramFileName(name)) << name;
    }
    for (const wchar_t* name : {L"slot1.sav", L"dll", L"readme", L"x.dll.sav", L"x.jsx", L"x.lnk2", L".sav"}) {
        EXPECT_FALSE(IsProgramFileName(name)) << name;
    }
}

TEST(RecordRules, OnlyPlainNamesInsideOneFolder) {
    for (const wchar_t* name : {L"slot1.sav", L"遊戲.sav", L"a b.sav", L"\u00e9t\u00e9.dat", L"conx.sav"}) {
        EXPECT_TRUE(IsPlainFileName(name)) << name;
    }
    for (const wchar_t* name : {L"..", L".", L"", L"a\\b.sav", L"../b.sav", L"a.sav:evil.dll", L"a*.sav", L"a?.sav",
                                L"con", L"NUL.sav", L"com1.txt", L"lpt9", L"a\tb"}) {
        EXPECT_FALSE(IsPlainFileName(name)) << name;
    }
}

TEST(RecordRules, MaskMatchesLongNamesOnly) {
    EXPECT_TRUE(MatchesRecordMask(L"slot1.sav", L"*.sav"));
    EXPECT_TRUE(MatchesRecordMask(L"SLOT1.SAV", L"*.sav"));
    EXPECT_TRUE(MatchesRecordMask(L"a.b.sav", L"*.sav"));
    // The system's listing matches "slot1.save" through its short name SLOT1~1.SAV.
    EXPECT_FALSE(MatchesRecordMask(L"slot1.save", L"*.sav"));
    EXPECT_FALSE(MatchesRecordMask(L"sav", L"*.sav"));
    EXPECT_TRUE(MatchesRecordMask(L"s01.d7", L"*.d?"));
    EXPECT_TRUE(MatchesRecordMask(L"no-extension", L"*.*"));
    EXPECT_TRUE(MatchesRecordMask(L"\u4e00.sav", L"*.sav"));
}

TEST(RecordRules, NamesSortCaseBlind) {
    EXPECT_TRUE(RecordNameLess(L"a.sav", L"B.sav"));
    EXPECT_FALSE(RecordNameLess(L"b.sav", L"A.sav"));
    EXPECT_TRUE(RecordNameLess(L"A.sav", L"a.sav"));
}

TEST(RecordRules, PlanLeavesOutWhatMustNotBeCopiedAndSaysWhy) {
    const std::uint64_t mib = 1024 * 1024;
    const RecordCopyPlan plan = PlanRecordCopy({
        {L"a.sav", true, 10, true},
        {L"version.dll", true, 10, true},
        {L"big.sav", true, kRecordFileLimitBytes + 1, true},
        {L"max.sav", true, kRecordFileLimitBytes, true},
        {L"link.sav", false, 0, true},
        {L"dir.sav", true, 1, false},
        {L"b.sav", true, 256 * mib, true},
        {L"c.sav", true, 256 * mib, true},
        {L"d.sav", true, 256 * mib, true},
        {L"e.sav", true, 1, true},
    });
    // A small file still fits after a large one was left out.
    EXPECT_EQ(plan.copied, (std::vector<std::wstring>{L"a.sav", L"max.sav", L"b.sav", L"c.sav", L"e.sav"}));
    ASSERT_EQ(plan.refused.size(), 5u);
    EXPECT_EQ(plan.refused[0].reason, RecordRefusal::ProgramFile);
    EXPECT_EQ(plan.refused[1].reason, RecordRefusal::FileTooLarge);
    EXPECT_EQ(plan.refused[2].reason, RecordRefusal::NotAPlainFile);
    EXPECT_EQ(plan.refused[3].reason, RecordRefusal::TargetNotAPlainFile);
    EXPECT_EQ(plan.refused[4].name, L"d.sav");
    EXPECT_EQ(plan.refused[4].reason, RecordRefusal::ChoiceTooLarge);
}

TEST(PasswordBackoff, WaitDoublesFromOneSecondUpToThirty) {
    PasswordBackoff backoff;
    EXPECT_EQ(backoff.WaitLeftMs(0), 0u);
    std::uint64_t now = 5000;
    for (const std::uint64_t expected : {1000u, 2000u, 4000u, 8000u, 16000u, 30000u, 30000u, 30000u}) {
        backoff.WrongPassword(now);
        EXPECT_EQ(backoff.WaitLeftMs(now), expected);
        EXPECT_EQ(backoff.WaitLeftSeconds(now + 1), static_cast<int>(expected / 1000));
        now += expected;
        EXPECT_EQ(backoff.WaitLeftMs(now), 0u);
    }
}

}  // namespace
}  // namespace corvina
