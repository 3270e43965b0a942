// The formatted edit's key filter, display format and byte limit.

#include <gtest/gtest.h>

#include "sys/text.h"
#include "widgets/edit_format.h"

namespace corvina {
namespace {

TEST(EditKeyFilter, CaseFiltersChangeOnlyTheirLetters) {
    EXPECT_EQ(FilterKey(EvStyle::evLowerCase, L'Q', L"", 0).key, L'q');
    EXPECT_EQ(FilterKey(EvStyle::evLowerCase, L'q', L"", 0).key, L'q');
    EXPECT_EQ(FilterKey(EvStyle::evLowerCase, L'7', L"", 0).key, L'7');
    EXPECT_EQ(FilterKey(EvStyle::evLowerCase, L'-', L"", 0).key, L'-');
    EXPECT_EQ(FilterKey(EvStyle::evUppercase, L'q', L"", 0).key, L'Q');
    EXPECT_EQ(FilterKey(EvStyle::evUppercase, L'[', L"", 0).key, L'[');
    EXPECT_EQ(FilterKey(EvStyle::evNone, L'Q', L"", 0).key, L'Q');
    // A key that arrives as nothing still beeps.
    EXPECT_TRUE(FilterKey(EvStyle::evNone, 0, L"", 0).Beep());
    EXPECT_FALSE(FilterKey(EvStyle::evLowerCase, L'Q', L"", 0).Beep());
}

TEST(EditKeyFilter, NumberPassesDigitsControlsAndSpaceOnly) {
    for (const wchar_t key : {L'0', L'9', L'\b', L' ', L'\r'}) {
        EXPECT_EQ(FilterKey(EvStyle::evNumber, key, L"12", 2).key, key);
    }
    for (const wchar_t key : {L'a', L'E', L',', L'!', L'\x4E00'}) {
        const FilteredKey filtered = FilterKey(EvStyle::evNumber, key, L"12", 2);
        EXPECT_TRUE(filtered.Beep());
        EXPECT_FALSE(filtered.caret);
    }
}

TEST(EditKeyFilter, NumberSignsOnlyAtTheStartOfAnUnsignedText) {
    EXPECT_EQ(FilterKey(EvStyle::evNumber, L'+', L"12", 0).key, L'+');
    EXPECT_EQ(FilterKey(EvStyle::evNumber, L'-', L"12", 0).key, L'-');
    // "-12" with the caret at the start: "+" beeps, "-" jumps behind the "-".
    const FilteredKey plus = FilterKey(EvStyle::evNumber, L'+', L"-12", 0);
    EXPECT_TRUE(plus.Beep());
    EXPECT_FALSE(plus.caret);
    const FilteredKey minus = FilterKey(EvStyle::evNumber, L'-', L"-12", 0);
    EXPECT_TRUE(minus.Beep());
    EXPECT_EQ(minus.caret, 1u);
    EXPECT_EQ(FilterKey(EvStyle::evNumber, L'+', L"+12", 0).caret, 1u);
    // After the first character a sign is dropped without a caret move.
    const FilteredKey later = FilterKey(EvStyle::evNumber, L'+', L"12", 1);
    EXPECT_TRUE(later.Beep());
    EXPECT_FALSE(later.caret);
}

TEST(EditKeyFilter, NumberTakesOnePoint) {
    EXPECT_EQ(FilterKey(EvStyle::evNumber, L'.', L"12", 2).key, L'.');
    const FilteredKey second = FilterKey(EvStyle::evNumber, L'.', L"12.5", 4);
    EXPECT_TRUE(second.Beep());
    EXPECT_EQ(second.caret, 3u);
}

EditFormat Format(EVshowStyle style, std::string_view text, bool eat0 = false) {
    EditFormat format;
    format.EV_Format_style = style;
    format.SetFormatText(text);
    format.EV_Format_EAT0 = eat0;
    return format;
}

TEST(EditDisplayFormat, OneFittingConversionFormats) {
    EXPECT_EQ(FormatEditText(Format(EVshowStyle::evFloat, "%.2f"), "3"), "3.00");
    EXPECT_EQ(FormatEditText(Format(EVshowStyle::evInteger, "%05d"), "-42"), "-0042");
    EXPECT_EQ(FormatEditText(Format(EVshowStyle::evInteger, "%x"), "255"), "ff");
    EXPECT_EQ(FormatEditText(Format(EVshowStyle::evInteger, "$%d"), "$10"), "$16");
    EXPECT_EQ(FormatEditText(Format(EVshowStyle::evFloat, "  %8.1e%%  "), "-1500"), "-1.5e+03%");
    EXPECT_EQ(FormatEditText(Format(EVshowStyle::evString, "[%-4s]"), "ab"), "[ab  ]");
    // A precision never cuts a double-byte character.
    EXPECT_EQ(FormatEditText(Format(EVshowStyle::evString, "%.3s"), T(u8"遊戲")), T(u8"遊"));
}

TEST(EditDisplayFormat, FormatErrors) {
    const std::pair<EditFormat, std::string_view> errors[] = {
        {Format(EVshowStyle::evInteger, "%d"), "abc"},
        {Format(EVshowStyle::evInteger, "%d"), "2147483648"},
        {Format(EVshowStyle::evFloat, "%f"), "1e999"},
        {Format(EVshowStyle::evFloat, "%f"), "nan"},
        // Nothing may read past its one argument.
        {Format(EVshowStyle::evInteger, "%d%d"), "1"},
        {Format(EVshowStyle::evString, "%s %n"), "1"},
        {Format(EVshowStyle::evInteger, "%*d"), "1"},
        {Format(EVshowStyle::evInteger, "%ld"), "1"},
        {Format(EVshowStyle::evInteger, "no conversion"), "1"},
        {Format(EVshowStyle::evInteger, "%"), "1"},
        // The style decides which conversions fit.
        {Format(EVshowStyle::evInteger, "%s"), "1"},
        {Format(EVshowStyle::evFloat, "%d"), "1"},
        {Format(EVshowStyle::evString, "%f"), "1"},
        // Width and precision stay small.
        {Format(EVshowStyle::evInteger, "%256d"), "1"},
        {Format(EVshowStyle::evFloat, "%.99999999999f"), "1"},
    };
    for (const auto& [format, text] : errors) {
        EXPECT_EQ(FormatEditText(format, text), std::nullopt) << format.EV_Format << " on " << text;
    }
}

TEST(EditDisplayFormat, EatTrailingZerosKeepsThePoint) {
    EXPECT_EQ(EatTrailingZeros("12.50"), "12.5");
    EXPECT_EQ(EatTrailingZeros("3.00"), "3.");
    EXPECT_EQ(EatTrailingZeros("100"), "100");
    EXPECT_EQ(EatTrailingZeros(".0"), "");
    // An exponent is no fraction: 1.5e+10 must not become 1.5e+1.
    EXPECT_EQ(EatTrailingZeros("1.5e+10"), "1.5e+10");
    EXPECT_EQ(EatTrailingZeros("v1.2 of 10"), "v1.2 of 10");
}

TEST(EditDisplayFormat, ApplyFormatSetsTextOnceAndSkipsItsOwnChange) {
    EditFormatter formatter;
    const FormatOutcome two = formatter.ApplyFormat(Format(EVshowStyle::evFloat, "%.2f"), "3");
    EXPECT_EQ(two.kind, FormatOutcome::Kind::SetText);
    EXPECT_EQ(two.text, "3.00");
    // The text change caused by setting the result does not format again...
    EXPECT_FALSE(formatter.TextChanged(false));
    // ...but the next one from code does, and none while focused.
    EXPECT_TRUE(formatter.TextChanged(false));
    EXPECT_FALSE(formatter.TextChanged(true));

    const FormatOutcome eaten = formatter.ApplyFormat(Format(EVshowStyle::evFloat, "%.2f", true), "3");
    EXPECT_EQ(eaten.text, "3.");
    EXPECT_FALSE(formatter.TextChanged(false));
}

TEST(EditDisplayFormat, ApplyFormatLeavesTextAloneWhenNothingChangesOrFails) {
    EditFormatter formatter;
    EXPECT_EQ(formatter.ApplyFormat(Format(EVshowStyle::evInteger, ""), "abc").kind, FormatOutcome::Kind::Keep);
    EXPECT_EQ(formatter.ApplyFormat(Format(EVshowStyle::evInteger, "%d"), " \t").kind, FormatOutcome::Kind::Keep);
    EXPECT_EQ(formatter.ApplyFormat(Format(EVshowStyle::evInteger, "%d"), "12").kind, FormatOutcome::Kind::Keep);
    EXPECT_EQ(formatter.ApplyFormat(Format(EVshowStyle::evInteger, "%d"), "abc").kind,
              FormatOutcome::Kind::FormatError);
    // No text was set, so the next change from code formats.
    EXPECT_TRUE(formatter.TextChanged(false));
}

TEST(EditMaxLength, CountsBytesAndKeepsCharactersWhole) {
    EXPECT_EQ(FittingInsertLength(10, 0, "abc", 12), 2u);
    EXPECT_EQ(FittingInsertLength(10, 2, "abc", 12), 3u);
    EXPECT_EQ(FittingInsertLength(13, 0, "abc", 12), 0u);
    EXPECT_EQ(FittingInsertLength(11, 0, T(u8"遊"), 12), 0u);
    EXPECT_EQ(FittingInsertLength(9, 0, T(u8"遊戲"), 12), 2u);
    EXPECT_EQ(FittingInsertLength(100, 0, "abc", 0), 3u);
}

}  // namespace
}  // namespace corvina
