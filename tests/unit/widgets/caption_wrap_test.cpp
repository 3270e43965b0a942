#include "widgets/caption_wrap.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "sys/text.h"

namespace corvina {
namespace {

// A fixed-pitch font: every byte is 8 pixels wide, so a double-byte
// character is 16.
int EightPerByte(std::string_view line) { return 8 * static_cast<int>(line.size()); }

WrappedCaption Wrap(std::string_view caption, int width) { return WrapCaption(caption, width, EightPerByte); }

TEST(CaptionWrap, TextThatFitsIsUnchanged) {
    EXPECT_EQ(Wrap("OK", 100), (WrappedCaption{"OK", 0}));
    EXPECT_EQ(Wrap("abcd", 32), (WrappedCaption{"abcd", 0}));
    EXPECT_EQ(Wrap("", 0), (WrappedCaption{"", 0}));
}

TEST(CaptionWrap, ALatinWordBreaksAfterTheByteThatOverflowsKeepingItOnTheLine) {
    EXPECT_EQ(Wrap("abc", 16), (WrappedCaption{"abc\r", 1}));
    EXPECT_EQ(Wrap("abcdefg", 16), (WrappedCaption{"abc\rdef\rg", 2}));
    // A lone byte never breaks, however narrow the button.
    EXPECT_EQ(Wrap("W", 4), (WrappedCaption{"W", 0}));
    EXPECT_EQ(Wrap("WW", 4), (WrappedCaption{"WW\r", 1}));
}

TEST(CaptionWrap, TheLastBlankEndsTheLineAndAlsoBeginsTheNext) {
    EXPECT_EQ(Wrap("ab cd", 32), (WrappedCaption{"ab \r cd", 1}));
    EXPECT_EQ(Wrap("a b cdef", 48), (WrappedCaption{"a b \r cdef", 1}));
    // A blank that itself overflows just ends the line.
    EXPECT_EQ(Wrap("hello world foo", 48), (WrappedCaption{"hello \r world \rfoo", 2}));
    // A blank in the first byte only does not count.
    EXPECT_EQ(Wrap("ab cdef", 24), (WrappedCaption{"ab \r cde\rf", 2}));
}

TEST(CaptionWrap, Big5CharactersAreNeverSplit) {
    const Big5 text = T(u8"中文字");
    ASSERT_EQ(text.size(), 6u);
    EXPECT_EQ(Wrap(text, 32), (WrappedCaption{T(u8"中文") + "\r" + T(u8"字"), 1}));
    EXPECT_EQ(Wrap(text, 16), (WrappedCaption{T(u8"中") + "\r" + T(u8"文") + "\r" + T(u8"字"), 2}));
    // One character wider than the button stays whole on its own line.
    EXPECT_EQ(Wrap(T(u8"中文"), 8), (WrappedCaption{T(u8"中") + "\r" + T(u8"文") + "\r", 2}));
    EXPECT_EQ(Wrap("a" + T(u8"中"), 8), (WrappedCaption{"a\r" + T(u8"中") + "\r", 2}));
}

TEST(CaptionWrap, TrailBytesInTheAsciiRangeStayWithTheirLeadByte) {
    // 功 is A5 5C and 許 B3 5C: trail bytes in the ASCII range.
    const Big5 text = T(u8"功能許可");
    ASSERT_EQ(text[1], '\x5C');
    EXPECT_EQ(Wrap(text, 48), (WrappedCaption{T(u8"功能許") + "\r" + T(u8"可"), 1}));
}

TEST(CaptionWrap, TheFirstAmpersandOfALineTakesNoWidthAndLaterOnesAreLiteral) {
    EXPECT_EQ(Wrap("&abc", 24), (WrappedCaption{"&abc", 0}));
    EXPECT_EQ(Wrap("a&&b", 24), (WrappedCaption{"a&&b", 0}));
    EXPECT_EQ(Wrap("a&&b", 16), (WrappedCaption{"a&&b\r", 1}));
    // Each new line has its own accelerator "&" again.
    EXPECT_EQ(Wrap("ab&cd&ef", 16), (WrappedCaption{"ab&c\rd&ef\r", 2}));
}

TEST(CaptionWrap, AnAmpersandCutOffWithTheLastWordMovesWithIt) {
    EXPECT_EQ(Wrap("ab &cd", 32), (WrappedCaption{"ab \r &cd", 1}));
    EXPECT_EQ(Wrap("&ab &cd", 32), (WrappedCaption{"&ab \r &cd", 1}));
}

TEST(CaptionWrap, MeasuresTheCurrentLineWithoutItsAccelerator) {
    std::vector<std::string> measured;
    WrapCaption("&ab c", 16, [&](std::string_view line) {
        measured.emplace_back(line);
        return EightPerByte(line);
    });
    EXPECT_EQ(measured, (std::vector<std::string>{"ab", "ab "}));
}

// Whatever the text and width: no character is split, nothing is lost, and
// the only addition besides the breaks is a repeated blank.
TEST(CaptionWrap, RandomCaptionsKeepEveryCharacterWhole) {
    std::mt19937 random(2024);
    const std::string pieces[] = {"a", "W", " ", "&", T(u8"中"), T(u8"功"), "\x5C"};
    for (int round = 0; round < 3000; ++round) {
        std::string caption;
        const int length = static_cast<int>(random() % 12);
        for (int i = 0; i < length; ++i) caption += pieces[random() % std::size(pieces)];
        const int width = static_cast<int>(random() % 40);

        const WrappedCaption wrapped = Wrap(caption, width);
        SCOPED_TRACE(testing::Message() << '"' << caption << "\" at " << width);

        std::string kept;
        int breaks = 0;
        for (std::size_t i = 0; i < wrapped.text.size(); ++i) {
            const char byte = wrapped.text[i];
            if (IsBig5LeadByte(static_cast<unsigned char>(byte)) && i + 1 < wrapped.text.size()) {
                ASSERT_NE(wrapped.text[i + 1], '\r');
                kept += wrapped.text.substr(i++, 2);
            } else if (byte == '\r') {
                ++breaks;
            } else {
                kept += byte;
            }
        }
        EXPECT_EQ(breaks, wrapped.breaks);

        std::size_t i = 0;
        for (std::size_t j = 0; j < kept.size(); ++j) {
            if (i < caption.size() && kept[j] == caption[i]) {
                ++i;
            } else {
                ASSERT_TRUE(kept[j] == ' ' && j > 0 && kept[j - 1] == ' ') << j;
            }
        }
        EXPECT_EQ(i, caption.size());
    }
}

}  // namespace
}  // namespace corvina
