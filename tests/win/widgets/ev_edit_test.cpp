#include "widgets/ev_edit.h"

#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/message_box_answerer.h"
#include "sys/text.h"
#include "ui/ui_fixture.h"

namespace corvina {
namespace {

using ::testing::AnyOf;
using ui::test::BoxAnswerer;
using ui::test::SeenBox;

class EvEditTest : public ui::test::UiTest {
protected:
    EvEditTest() : form_(NewForm(300, 100)), edit_(form_->Add<TEvEdit>()), other_(form_->Add<TEvEdit>()) {
        other_.SetLeft(150);
        form_->ShowInactive();
        edit_.SetFocus();
    }

    void Type(const std::wstring& keys) {
        for (wchar_t key : keys) SendMessageW(edit_.Handle(), WM_CHAR, key, 0);
    }
    void Caret(int at) { SendMessageW(edit_.Handle(), EM_SETSEL, static_cast<WPARAM>(at), at); }
    int CaretAt() {
        DWORD start = 0;
        SendMessageW(edit_.Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
        return static_cast<int>(start);
    }
    void Leave() {
        other_.SetFocus();
        Pump();
    }

    ui::FormPtr<ui::Form> form_;
    TEvEdit& edit_;
    TEvEdit& other_;
};

TEST_F(EvEditTest, LowerCaseFieldTypesSmallLettersAndItsOwnerSeesThem) {
    edit_.SetEV_KeyinCase(EvStyle::evLowerCase);
    std::wstring seen;
    edit_.OnKeyPress = [&](ui::Control&, wchar_t& key) { seen += key; };
    Type(L"Qa1-");
    EXPECT_EQ(edit_.Text(), "qa1-");
    EXPECT_EQ(seen, L"qa1-");
}

TEST_F(EvEditTest, NumberFieldKeepsOneSignAtTheStartAndOnePoint) {
    edit_.SetEV_KeyinCase(EvStyle::evNumber);
    edit_.SetText("-12");
    Caret(0);
    Type(L"+");
    EXPECT_EQ(edit_.Text(), "-12");
    Caret(0);
    Type(L"-");
    EXPECT_EQ(edit_.Text(), "-12");
    EXPECT_EQ(CaretAt(), 1);

    edit_.SetText("5");
    Caret(1);
    Type(L"+");
    EXPECT_EQ(edit_.Text(), "5");
    Type(L".");
    Caret(0);
    Type(L".");
    EXPECT_EQ(edit_.Text(), "5.");
    EXPECT_EQ(CaretAt(), 2);
    Type(L"7x ");
    EXPECT_EQ(edit_.Text(), "5.7 ");
}

TEST_F(EvEditTest, LeavingAppliesTheDisplayFormat) {
    edit_.SetEV_Format_style(EVshowStyle::evFloat);
    edit_.SetEV_Format("  %.2f ");
    EXPECT_EQ(edit_.EV_Format(), "%.2f");
    Type(L"3");
    EXPECT_EQ(edit_.Text(), "3");  // typing does not format
    Leave();
    EXPECT_EQ(edit_.Text(), "3.00");

    edit_.SetEV_Format_EAT0(true);
    edit_.SetFocus();
    Leave();
    EXPECT_EQ(edit_.Text(), "3.");
}

TEST_F(EvEditTest, TextFromCodeIsFormattedOnlyWhileTheFieldIsNotFocused) {
    edit_.SetEV_Format_style(EVshowStyle::evInteger);
    edit_.SetEV_Format("[%04d]");
    std::vector<Big5> changes;
    edit_.OnChange = [&](ui::Control&) { changes.push_back(edit_.Text()); };
    edit_.SetText("7");
    EXPECT_EQ(edit_.Text(), "7");
    Leave();
    edit_.SetText("42");
    EXPECT_EQ(edit_.Text(), "[0042]");
    ASSERT_FALSE(changes.empty());
    EXPECT_EQ(changes.back(), "[0042]");
}

TEST_F(EvEditTest, UnconvertibleTextGivesFormatErrorAndStays) {
    // Active, so that the focus comes back to the form after the box.
    form_->Show();
    edit_.SetFocus();
    edit_.SetEV_Format("%d");
    Type(L"abc");
    std::vector<SeenBox> seen;
    {
        const BoxAnswerer answerer(seen, IDOK);
        Leave();
    }
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, L"Format Error !");
    EXPECT_EQ(seen[0].icon, nullptr);
    EXPECT_EQ(edit_.Text(), "abc");
    EXPECT_TRUE(other_.Focused());

    // A format with two conversions would read past its one argument.
    edit_.SetEV_Format("%d %d");
    {
        const BoxAnswerer answerer(seen, IDOK);
        edit_.SetText("1");
    }
    EXPECT_EQ(seen.size(), 2u);
    EXPECT_EQ(edit_.Text(), "1");
}

TEST_F(EvEditTest, WithoutAFormatOnlyTheFilterActs) {
    edit_.SetEV_Format("   ");
    Type(L"abc");
    Leave();
    edit_.SetText("x y");
    EXPECT_EQ(edit_.Text(), "x y");
}

TEST_F(EvEditTest, MaximumLengthCountsBigFiveBytesForTypingAndPasting) {
    edit_.SetMaxLength(5);
    Type(L"遊戲一");
    EXPECT_EQ(edit_.Text(), T(u8"遊戲"));
    Type(L"ab");
    EXPECT_EQ(edit_.Text(), T(u8"遊戲a"));

    edit_.SetText("");
    const std::wstring pasted = L"記錄檔\r\nnext";
    ASSERT_TRUE(OpenClipboard(form_->Handle()));
    EmptyClipboard();
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (pasted.size() + 1) * sizeof(wchar_t));
    std::copy(pasted.c_str(), pasted.c_str() + pasted.size() + 1, static_cast<wchar_t*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
    SendMessageW(edit_.Handle(), WM_PASTE, 0, 0);
    EXPECT_EQ(edit_.Text(), T(u8"記錄"));
}

// Another program may leave text without its terminating zero: the paste
// reads its block only (Wine itself gives up the block's last character for
// a zero). It leaves the clipboard closed and the block unlocked, so that
// every other program can use them again.
TEST_F(EvEditTest, PasteReadsOnlyTheClipboardsBlockAndGivesClipboardAndBlockBack) {
    edit_.SetMaxLength(20);
    const std::wstring pasted = L"ab記";
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, pasted.size() * sizeof(wchar_t));
    ASSERT_NE(memory, nullptr);
    std::copy(pasted.begin(), pasted.end(), static_cast<wchar_t*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    ASSERT_TRUE(OpenClipboard(form_->Handle()));
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();

    SendMessageW(edit_.Handle(), WM_PASTE, 0, 0);
    EXPECT_THAT(edit_.Text(), AnyOf(T(u8"ab記"), "ab"));
    ASSERT_TRUE(OpenClipboard(other_.Handle())) << "the paste left the clipboard open";
    EXPECT_EQ(GlobalFlags(GetClipboardData(CF_UNICODETEXT)) & GMEM_LOCKCOUNT, 0u) << "the paste left it locked";
    CloseClipboard();
}

}  // namespace
}  // namespace corvina
