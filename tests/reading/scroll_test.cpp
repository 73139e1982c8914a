#include "reading_fixture.h"

class Scrolling : public BoxTest {
protected:
    Scrolling() { setClient(QSize(400, 300)); }
    // The scrolled page above its bottom line's band shows what a clean redraw at
    // the same top shows.
    void expectAsRedrawn() {
        const QRect above = scrollRectangle(host.image.size(), box.Offset, box.Margin)
                                .adjusted(0, 0, 0, -box.LineHeight);
        const QImage scrolled = host.image.copy(above);
        box.TextAllRedraw(nullptr, 0);
        EXPECT_EQ(scrolled, host.image.copy(above));
    }
};

TEST_F(Scrolling, TheEndOfTheTextIsReportedAtEveryCompletingCallAndNothingMoves) {
    const struct {
        const char* what;
        QByteArray text;
        std::vector<int> tops; // the top after each whole line, until the end
    } cases[] = {
        {"no line feed at all", "just one line", {}},
        {"three lines", "a\nb\nc\n", {1, 3, 5}},
        // Its empty first line scrolls off like any other line.
        {"a text that begins with a line feed", "\nsecond\nthird\n", {0, 7, 13}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        box.load(reading("e.dat", c.text));
        box.ScrollCourse();
        host.finished = 0;
        for (int top : c.tops) {
            box.ScrollLine(-1);
            box.ScrollLine(-1);
            EXPECT_EQ(box.Display.topleftcharno, top);
            expectAsRedrawn();
        }
        EXPECT_EQ(host.finished, 0);
        for (int i = 1; i <= 3; ++i) {
            box.ScrollLine(-1);
            EXPECT_FALSE(box.ScrollLine(-1));
            EXPECT_EQ(host.finished, i);
        }
        EXPECT_EQ(box.Display.topleftcharno, c.tops.empty() ? -1 : c.tops.back());
    }
}
