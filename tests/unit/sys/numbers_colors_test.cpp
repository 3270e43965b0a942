#include <gtest/gtest.h>

#include "sys/colors.h"
#include "sys/numbers.h"

namespace corvina {
namespace {

TEST(ParseInteger, DecimalAndBothHexSpellings) {
    EXPECT_EQ(ParseInteger("42"), 42);
    EXPECT_EQ(ParseInteger("-17"), -17);
    EXPECT_EQ(ParseInteger("+8"), 8);
    EXPECT_EQ(ParseInteger("  7"), 7);
    EXPECT_EQ(ParseInteger("$1F"), 31);
    EXPECT_EQ(ParseInteger("0x1f"), 31);
    EXPECT_EQ(ParseInteger("0X10"), 16);
    EXPECT_EQ(ParseInteger("$FFFFFFFF"), -1);
    EXPECT_EQ(ParseInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseInteger("-2147483648"), INT32_MIN);
}

TEST(ParseInteger, AnythingElseIsNoNumber) {
    for (const char* text : {"", " ", "yes", "1.5", "12abc", "$", "0x", "$G1", "2147483648", "$123456789",
                             "99999999999999999999", "- 1", "1 "}) {
        EXPECT_FALSE(ParseInteger(text).has_value()) << text;
    }
    EXPECT_EQ(ParseIntegerOr("yes", 1), 1);
}

TEST(ColorText, NamesOfTheTableInAnyCase) {
    EXPECT_EQ(ColorFromText("clRed"), Color::Rgb(255, 0, 0));
    EXPECT_EQ(ColorFromText("CLNAVY"), Color::Rgb(0, 0, 128));
    EXPECT_EQ(ColorFromText("clwhite"), Color::Rgb(255, 255, 255));
    EXPECT_EQ(ColorFromText("clBtnFace"), Color::System(15));
    EXPECT_EQ(ColorFromText("clWindow"), Color::System(5));
    EXPECT_EQ(ColorFromText("clNone"), kColorNone);
    EXPECT_TRUE(ColorFromText("clBtnFace")->IsSystem());
    EXPECT_FALSE(ColorFromText("clRed")->IsSystem());
}

TEST(ColorText, NumbersHoldRedInTheLowestByte) {
    EXPECT_EQ(ColorFromText("$007DCFFB"), kLightOrange);
    EXPECT_EQ(ColorFromText("8245243"), kLightOrange);
    EXPECT_EQ(kLightOrange.Red(), 251);
    EXPECT_EQ(kLightOrange.Green(), 207);
    EXPECT_EQ(kLightOrange.Blue(), 125);
    EXPECT_FALSE(ColorFromText("clOrange").has_value());
    EXPECT_FALSE(ColorFromText("red").has_value());
}

TEST(ColorText, WrittenTextReadsBackAsTheSameColour) {
    for (Color color : {kLightOrange, Color::Rgb(1, 2, 3), Color::Rgb(255, 0, 0), Color::System(15), kColorNone}) {
        EXPECT_EQ(ColorFromText(ColorToText(color)), color) << ColorToText(color);
    }
    EXPECT_EQ(ColorToText(Color::Rgb(255, 0, 0)), "clRed");
}

}  // namespace
}  // namespace corvina
