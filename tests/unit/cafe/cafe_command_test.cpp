// Command texts: what a received block turns into, and what a send puts
// into the copy-data record.

#include "cafe/cafe_command.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "sys/text.h"

namespace corvina {
namespace {

// Exactly `text` on the heap, no zero after it: ASan sees any read past it.
std::unique_ptr<char[]> UnterminatedCopy(std::string_view text) {
    auto bytes = std::make_unique<char[]>(text.size());
    std::memcpy(bytes.get(), text.data(), text.size());
    return bytes;
}

TEST(ParseCafeCommand, NumberColonData) {
    EXPECT_EQ(ParseCafeCommand("121:1"), (CafeCommand{121, "1"}));
    EXPECT_EQ(ParseCafeCommand("212:"), (CafeCommand{212, ""}));
    EXPECT_EQ(ParseCafeCommand("12:hello:world"), (CafeCommand{12, "hello:world"}));
}

TEST(ParseCafeCommand, DataKeepsItsSeparatorsAndBlanks) {
    EXPECT_EQ(ParseCafeCommand("117:0,45000.5,0,A12"), (CafeCommand{117, "0,45000.5,0,A12"}));
    EXPECT_EQ(ParseCafeCommand("120:1|2|3|4|5"), (CafeCommand{120, "1|2|3|4|5"}));
    EXPECT_EQ(ParseCafeCommand("115: a ,, b "), (CafeCommand{115, " a ,, b "}));
}

TEST(ParseCafeCommand, Big5DataIsKeptByteForByte) {
    // 許 and 功 end in the byte 0x5C: nothing may treat it as a character.
    const Big5 data = T(u8"A01,許功蓋可樂,25");
    EXPECT_EQ(ParseCafeCommand("115:" + data), (CafeCommand{115, data}));
}

TEST(ParseCafeCommand, WithoutColonTheNumberIsZeroAndIgnored) {
    EXPECT_EQ(ParseCafeCommand("115"), std::nullopt);
    EXPECT_EQ(ParseCafeCommand("121,1"), std::nullopt);
}

TEST(ParseCafeCommand, EmptyTextsAndEmptyNumbersAreIgnored) {
    EXPECT_EQ(ParseCafeCommand(""), std::nullopt);
    EXPECT_EQ(ParseCafeCommand(":"), std::nullopt);
    EXPECT_EQ(ParseCafeCommand(":121"), std::nullopt);
}

TEST(ParseCafeCommand, ZeroAndNegativeNumbersAreIgnored) {
    EXPECT_EQ(ParseCafeCommand("0:1"), std::nullopt);
    EXPECT_EQ(ParseCafeCommand("-0:1"), std::nullopt);
    EXPECT_EQ(ParseCafeCommand("-121:1"), std::nullopt);
    EXPECT_EQ(ParseCafeCommand("-2147483648:1"), std::nullopt);
}

TEST(ParseCafeCommand, NumbersThatAreNotIntegersAreIgnored) {
    EXPECT_EQ(ParseCafeCommand("abc:1"), std::nullopt);
    EXPECT_EQ(ParseCafeCommand("12a:1"), std::nullopt);
    EXPECT_EQ(ParseCafeCommand("121 :1"), std::nullopt);
    EXPECT_EQ(ParseCafeCommand("1.5:1"), std::nullopt);
    EXPECT_EQ(ParseCafeCommand(T(u8"一二一:1")), std::nullopt);
}

TEST(ParseCafeCommand, NumbersBeyond32BitsAreIgnored) {
    EXPECT_EQ(ParseCafeCommand("2147483648:1"), std::nullopt);
    EXPECT_EQ(ParseCafeCommand("99999999999999999999:1"), std::nullopt);
    EXPECT_EQ(ParseCafeCommand("2147483647:1"), (CafeCommand{2147483647, "1"}));
}

TEST(ParseCafeCommand, NumberIsReadLikeEveryLenientNumber) {
    EXPECT_EQ(ParseCafeCommand(" 121:1"), (CafeCommand{121, "1"}));
    EXPECT_EQ(ParseCafeCommand("+121:1"), (CafeCommand{121, "1"}));
    EXPECT_EQ(ParseCafeCommand("0121:1"), (CafeCommand{121, "1"}));
    EXPECT_EQ(ParseCafeCommand("$79:1"), (CafeCommand{121, "1"}));
}

TEST(TextFromBlock, NullOrEmptyBlockIsEmptyText) {
    EXPECT_EQ(TextFromBlock(nullptr, 0), "");
    EXPECT_EQ(TextFromBlock(nullptr, 1024), "");
    const char text[] = "121:1";
    EXPECT_EQ(TextFromBlock(text, 0), "");
}

TEST(TextFromBlock, StopsAtTheFirstZero) {
    const char terminated[] = "121:1";
    EXPECT_EQ(TextFromBlock(terminated, sizeof terminated), "121:1");
    const char zeroInside[] = "121:1\0junk";
    EXPECT_EQ(TextFromBlock(zeroInside, sizeof zeroInside), "121:1");
    EXPECT_EQ(TextFromBlock("\0abc", 4), "");
}

TEST(TextFromBlock, UnterminatedTextEndsAtTheGivenSize) {
    const auto bytes = UnterminatedCopy("121:1");
    EXPECT_EQ(TextFromBlock(bytes.get(), 5), "121:1");
    EXPECT_EQ(TextFromBlock(bytes.get(), 3), "121");
    EXPECT_EQ(ReadCafeCommand(bytes.get(), 5), (CafeCommand{121, "1"}));
}

TEST(ReadCafeCommand, TextsOverTheLimitAreDroppedWhole) {
    const std::string fits = "115:" + std::string(kMaxCafeCommandBytes - 4, 'x');
    const auto fitting = UnterminatedCopy(fits);
    ASSERT_TRUE(ReadCafeCommand(fitting.get(), fits.size()).has_value());

    const std::string over = fits + "x";
    EXPECT_EQ(ReadCafeCommand(over.c_str(), over.size() + 1), std::nullopt);

    std::vector<char> mebibyte(1024 * 1024, '7');
    mebibyte[3] = ':';
    EXPECT_EQ(TextFromBlock(mebibyte.data(), mebibyte.size()).size(), mebibyte.size());
    EXPECT_EQ(ReadCafeCommand(mebibyte.data(), mebibyte.size()), std::nullopt);
    mebibyte.back() = '\0';
    EXPECT_EQ(ReadCafeCommand(mebibyte.data(), mebibyte.size()), std::nullopt);
}

TEST(CafeCommandBlock, TextWithItsTerminatingZeroCounted) {
    const CafeCommandBlock linkUp(212, "");
    EXPECT_EQ(linkUp.Text(), "212:");
    EXPECT_EQ(linkUp.ByteCount(), 5u);
    EXPECT_EQ(linkUp.Bytes()[4], '\0');

    const Big5 line = T(u8"A01,可樂,2");
    const CafeCommandBlock order(207, line);
    EXPECT_EQ(order.Text(), "207:" + line);
    EXPECT_EQ(order.ByteCount(), 4 + line.size() + 1);
    EXPECT_EQ(std::strlen(order.Bytes()) + 1, order.ByteCount());
}

TEST(CafeCommandBlock, ReceiverReadsBackWhatWasSent) {
    const Big5 line = T(u8"A01,許功蓋,3");
    const CafeCommandBlock block(207, line);
    EXPECT_EQ(ReadCafeCommand(block.Bytes(), block.ByteCount()), (CafeCommand{207, line}));
    EXPECT_EQ(FormatCafeCommand(207, line), block.Text());
}

}  // namespace
}  // namespace corvina
