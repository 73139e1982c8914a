#include "support/shell_fixture.h"

#include "platform/message_box.h"

#include "reading/dis.h"

namespace {
QString name(int i) { return QStringLiteral("line %1").arg(i); }

// Draws `count` lines top to bottom, as a page redraw does.
void drawPage(display& d, int count) {
    for (int i = 0; i < count; ++i)
        d.AddLine(40, 40 + 17 * i, 10 * i, 'f', 6, 0, name(i));
}
} // namespace

using DisplayMap = ShellTest;

TEST_F(DisplayMap, LinesGoInAtTheFrontAndTheTopLineIsAtTheBack) {
    display d;
    EXPECT_EQ(d.topleftcharno, -1);
    EXPECT_EQ(d.YMidLine(), -1);
    drawPage(d, 3);
    ASSERT_EQ(d.lines().size(), 3u);
    EXPECT_EQ(d.lines().front().text, name(2));
    EXPECT_EQ(d.CMidLine(), 0);
    EXPECT_EQ(d.LMidLine(), 6);
    // The first line recorded fixes MidLineY until the text changes.
    EXPECT_EQ(d.YMidLine(), 40);
    d.LinesErase();
    d.AddLine(40, 99, 0, 'f', 1, 0, "x");
    EXPECT_EQ(d.YMidLine(), 40);
    d.NewText();
    EXPECT_EQ(d.YMidLine(), -1);
    EXPECT_EQ(d.lines().size(), 1u) << "NewText leaves the line list alone";
    d.AddLine(40, 77, 0, 'f', 1, 0, "y");
    EXPECT_EQ(d.YMidLine(), 77);
}

TEST_F(DisplayMap, EatingTheTopKeepsOnlyTheNewestTopLines) {
    display d;
    d.SetMidLineStart(3);
    d.LineEatTop(); // nothing drawn yet: nothing happens
    EXPECT_EQ(d.TopLinesDone(), 0);
    drawPage(d, 6);
    for (int i = 0; i < 5; ++i)
        d.LineEatTop();
    EXPECT_EQ(d.TopLinesDone(), 3);
    EXPECT_EQ(d.lines().size(), 1u);
    EXPECT_EQ(d.TopLine(0), name(2)); // the oldest of the three kept
    EXPECT_EQ(d.TopLine(1), name(3));
    EXPECT_EQ(d.TopLine(2), name(4)); // the newest
    d.set_top_left(59);
    d.NewText();
    EXPECT_EQ(d.topleftcharno, -1);
    EXPECT_EQ(d.TopLinesDone(), 0);
}

TEST_F(DisplayMap, TopLineOutOfRangeSaysSoAndGivesNothing) {
    display d;
    d.SetMidLineStart(3);
    drawPage(d, 5);
    for (int i = 0; i < 5; ++i)
        d.LineEatTop();
    // Past what is kept, negative, and kept but at or beyond MidLineStart.
    ModalScript script;
    script.answer("tle", "topline error", IDOK)
        .answer("tle", "topline error", IDOK)
        .answer("tle", "topline error", IDOK);
    EXPECT_EQ(d.TopLine(3), QString());
    EXPECT_EQ(d.TopLine(-1), QString());
    d.SetMidLineStart(2);
    EXPECT_EQ(d.TopLine(2), QString());
    EXPECT_EQ(d.TopLine(1), name(3));
}
