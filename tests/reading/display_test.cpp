#include "support/shell_fixture.h"

#include "platform/message_box.h"
#include "reading/dis.h"

namespace {
QString name(int i) {
    return QStringLiteral("line %1").arg(i);
}
} // namespace

using DisplayMap = ShellTest;

TEST_F(DisplayMap, PageLinesAndTheLinesScrolledOffTheTop) {
    display d;
    d.SetMidLineStart(3);
    d.LineEatTop(); // nothing drawn yet: nothing happens
    EXPECT_EQ(std::pair(d.TopLinesDone(), d.YMidLine()), std::pair(0, -1));
    for (int i = 0; i < 6; ++i)
        d.AddLine(40, 40 + 17 * i, 10 * i, 'f', 6, 0, name(i));
    // The back is the top line of the page; the first line recorded fixes MidLineY.
    EXPECT_EQ(d.lines().front().text, name(5));
    EXPECT_EQ(std::tuple(d.CMidLine(), d.LMidLine(), d.YMidLine()), std::tuple(0, 6, 40));
    for (int i = 0; i < 5; ++i)
        d.LineEatTop();
    EXPECT_EQ(std::pair(d.TopLinesDone(), d.CMidLine()), std::pair(3, 50));
    EXPECT_EQ(d.TopLine(0), name(2)); // the oldest of the three kept
    EXPECT_EQ(d.TopLine(2), name(4)); // the newest
    // Out of range: past what is kept, negative, or at MidLineStart and beyond.
    for (int i = 0; i < 3; ++i)
        script.answer("tle", "topline error", IDOK);
    EXPECT_EQ(d.TopLine(3), QString());
    EXPECT_EQ(d.TopLine(-1), QString());
    d.SetMidLineStart(2);
    EXPECT_EQ(d.TopLine(2), QString());
    // A new text starts the map again but leaves the page's lines to the owner.
    d.set_top_left(59);
    d.NewText();
    EXPECT_EQ(std::tuple(d.topleftcharno, d.YMidLine(), d.TopLinesDone(), d.lines().size()),
              std::tuple(-1, -1, 0, size_t(1)));
    d.AddLine(40, 77, 0, 'f', 1, 0, "y");
    EXPECT_EQ(d.YMidLine(), 77);
}
