#include "menu/frame_layout.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace corvina {

void PrintTo(const Point& point, std::ostream* out) { *out << "(" << point.x << ", " << point.y << ")"; }
void PrintTo(const Rect& rect, std::ostream* out) {
    *out << "(" << rect.left << ", " << rect.top << ", " << rect.width << " x " << rect.height << ")";
}

namespace {

using ::testing::ElementsAre;

// Origins of a channel's first `count` items.
std::vector<Point> Origins(FrameSize size, int screenWidth, int count) {
    std::vector<Point> origins;
    Point origin = kChannelStart;
    for (int n = 0; n < count; ++n) {
        origins.push_back(origin);
        origin = NextItemOrigin(size, screenWidth, origin);
    }
    return origins;
}

std::vector<int> ColumnsOfFirstRow(FrameSize size, int screenWidth) {
    std::vector<int> columns;
    for (const Point& origin : Origins(size, screenWidth, 20)) {
        if (origin.y != kChannelStart.y) break;
        columns.push_back(origin.x);
    }
    return columns;
}

std::vector<int> RowStarts(FrameSize size, int screenWidth, int count) {
    std::vector<int> rows;
    for (const Point& origin : Origins(size, screenWidth, count)) {
        if (rows.empty() || rows.back() != origin.y) rows.push_back(origin.y);
    }
    return rows;
}

TEST(ItemPlacement, ColumnsThatFitTheScreen) {
    EXPECT_THAT(ColumnsOfFirstRow(FrameSize::Normal, 800), ElementsAre(4, 257, 510));
    EXPECT_THAT(ColumnsOfFirstRow(FrameSize::Normal, 1024), ElementsAre(4, 257, 510, 763));
    EXPECT_THAT(ColumnsOfFirstRow(FrameSize::Small, 800), ElementsAre(4, 199, 394, 589));
    EXPECT_THAT(ColumnsOfFirstRow(FrameSize::Small, 1024), ElementsAre(4, 199, 394, 589, 784));
}

TEST(ItemPlacement, RowsAdvanceByFrameHeightAndTen) {
    EXPECT_THAT(RowStarts(FrameSize::Normal, 800, 9), ElementsAre(5, 185, 365));
    EXPECT_THAT(RowStarts(FrameSize::Small, 800, 12), ElementsAre(5, 148, 291));
    EXPECT_THAT(RowStarts(FrameSize::Normal, 1024, 12), ElementsAre(5, 185, 365));
    EXPECT_THAT(RowStarts(FrameSize::Small, 1024, 15), ElementsAre(5, 148, 291));
}

TEST(ItemPlacement, EleventhItemAt1024WithNormalFrames) {
    const std::vector<Point> origins = Origins(FrameSize::Normal, 1024, 12);
    EXPECT_EQ(origins[10], (Point{510, 365}));
    EXPECT_EQ(origins[8], (Point{4, 365}));
    EXPECT_EQ(origins[7], (Point{763, 185}));
}

TEST(ItemPlacement, WrapTestsTheFrameAgainstTheScreenEdgeInclusively) {
    // At 1003 the fourth normal column ends exactly on the edge and stays.
    EXPECT_THAT(ColumnsOfFirstRow(FrameSize::Normal, 1003), ElementsAre(4, 257, 510, 763));
    EXPECT_THAT(ColumnsOfFirstRow(FrameSize::Normal, 1002), ElementsAre(4, 257, 510));
    // A screen narrower than one frame still places one per row.
    EXPECT_EQ(NextItemOrigin(FrameSize::Normal, 200, kChannelStart), (Point{4, 185}));
}

TEST(FrameLayout, FramesInViewAreTheRowsBegunAboveThePagesBottom) {
    // Seven columns of 240 at 1920; rows every 180 from 5: 5, 185, ..., 905.
    EXPECT_EQ(FramesInView(FrameSize::Normal, 1920, 1000), 7 * 6);
    EXPECT_EQ(FramesInView(FrameSize::Normal, 1920, 905), 7 * 5);
    EXPECT_EQ(FramesInView(FrameSize::Normal, 1920, 906), 7 * 6) << "a row begun one pixel above counts";
    EXPECT_EQ(FramesInView(FrameSize::Normal, 800, 0), 0);
    EXPECT_EQ(FramesInView(FrameSize::Normal, 200, 400), 3) << "one a row on a screen narrower than a frame";
}

TEST(ItemFrameBounds, EveryOffsetOfBothSizes) {
    // An origin off the screen's start, so that offsets added to X and Y stay apart.
    const Point o{100, 1000};
    using enum FrameSize;
    using enum SmallButton;
    struct Case {
        const char* control;
        Rect actual;
        Rect expected;
    };
    const Case cases[] = {
        {"frame", FrameBounds(Normal, o), {100, 1000, 240, 170}},
        {"picture", PictureButtonBounds(Normal, o), {106, 1025, 208, 140}},
        {"records", SmallButtonBounds(Normal, o, GameRecords), {317, 1096, 20, 21}},
        {"links", SmallButtonBounds(Normal, o, WebLinks), {317, 1116, 20, 21}},
        {"note", SmallButtonBounds(Normal, o, Note), {317, 1136, 20, 21}},
        {"caption", CaptionLabelBounds(Normal, o), {105, 1003, 210, 22}},
        {"small frame", FrameBounds(Small, o), {100, 1000, 187, 133}},
        {"small picture", PictureButtonBounds(Small, o), {105, 1019, 162, 110}},
        {"small records", SmallButtonBounds(Small, o, GameRecords), {271, 1076, 15, 15}},
        {"small links", SmallButtonBounds(Small, o, WebLinks), {271, 1092, 15, 15}},
        {"small note", SmallButtonBounds(Small, o, Note), {271, 1108, 15, 15}},
        {"small caption", CaptionLabelBounds(Small, o), {103, 1002, 167, 17}},
    };
    for (const Case& c : cases) EXPECT_EQ(c.actual, c.expected) << c.control;
}

TEST(ItemFrameLook, FontAndBitmapNamesFollowTheSize) {
    EXPECT_EQ(FrameSizeOf(false), FrameSize::Normal);
    EXPECT_EQ(FrameSizeOf(true), FrameSize::Small);
    EXPECT_EQ(CaptionFontSize(FrameSize::Normal), 14);
    EXPECT_EQ(CaptionFontSize(FrameSize::Small), 12);
    EXPECT_EQ(FrameResourceName(FrameSize::Normal), "ITEMFRAME");
    EXPECT_EQ(FrameResourceName(FrameSize::Small), "ITEMFRAME_S");

    struct GlyphCase {
        SmallButton button;
        FrameSize size;
        const char* glyph;
        const char* glyphFocus;
    };
    const GlyphCase cases[] = {
        {SmallButton::GameRecords, FrameSize::Normal, "B_L_H", "B_L_L"},
        {SmallButton::WebLinks, FrameSize::Normal, "B_P_H", "B_P_L"},
        {SmallButton::Note, FrameSize::Normal, "B_M_H", "B_M_L"},
        {SmallButton::GameRecords, FrameSize::Small, "B_L_H_S", "B_L_L_S"},
        {SmallButton::WebLinks, FrameSize::Small, "B_P_H_S", "B_P_L_S"},
        {SmallButton::Note, FrameSize::Small, "B_M_H_S", "B_M_L_S"},
    };
    for (const GlyphCase& c : cases) {
        const GlyphNames names = SmallButtonGlyphNames(c.size, c.button);
        EXPECT_EQ(names.Glyph, c.glyph) << c.glyphFocus;
        EXPECT_EQ(names.Glyphfocus, c.glyphFocus) << c.glyph;
    }
}

TEST(ItemButtonCodes, ActionKindThousandsPlusIndex) {
    EXPECT_THAT(kSmallButtons, ElementsAre(SmallButton::GameRecords, SmallButton::WebLinks, SmallButton::Note));
    EXPECT_EQ(ActionKind(SmallButton::GameRecords), 1);
    EXPECT_EQ(ActionKind(SmallButton::WebLinks), 2);
    EXPECT_EQ(ActionKind(SmallButton::Note), 3);
    EXPECT_EQ(ItemButtonCode(SmallButton::WebLinks, 5), 2005);
    EXPECT_EQ(ItemButtonCode(SmallButton::Note, 0), 3000);
    EXPECT_EQ(ItemButtonCode(SmallButton::GameRecords, 999), 1999);
}

TEST(ItemIcons, ProgramsCarryTheirOwnIconWhateverTheLetterCase) {
    EXPECT_TRUE(TargetIsProgram("C:\\Games\\Run.EXE"));
    EXPECT_TRUE(TargetIsProgram("start.bat"));
    EXPECT_TRUE(TargetIsProgram("x.Com"));
    EXPECT_FALSE(TargetIsProgram("readme.txt"));
    EXPECT_FALSE(TargetIsProgram("C:\\Games.exe\\play"));  // a folder's dot is no extension
    EXPECT_FALSE(TargetIsProgram("program.exe.lnk"));
    EXPECT_FALSE(TargetIsProgram(""));
}

TEST(ItemIcons, TheIconSitsCentredWithDivisionsCutTowardZero) {
    EXPECT_EQ(IconPoint(208, 140), (Point{88, 54}));
    EXPECT_EQ(IconPoint(162, 110), (Point{65, 39}));
    EXPECT_EQ(IconPoint(33, 33), (Point{0, 0}));
    EXPECT_EQ(IconPoint(20, 20), (Point{-6, -6}));
}

}  // namespace
}  // namespace corvina
