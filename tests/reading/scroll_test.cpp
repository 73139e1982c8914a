#include "reading_fixture.h"

#include <QPainter>

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

TEST_F(Scrolling, AStepMovesThePageAndAWholeLineEndsAsAFreshRedraw) {
    const QString text = reading("s.dat", lines(60));
    for (int steps : {2, 16}) {
        SCOPED_TRACE(steps);
        box.load(text);
        box.StepsPerLine = steps;
        const QImage before = host.image;
        const QRect r = scrollRectangle(host.image.size(), box.Offset, box.Margin);
        const int d = scrollPixelStep(box.LineHeight, steps, 1);
        host.presented.clear(), host.presentedLocked = 0;
        EXPECT_TRUE(box.ScrollLine(-1));
        EXPECT_EQ(host.image.copy(r.adjusted(0, 0, 0, -d)), before.copy(r.adjusted(0, d, 0, 0)));
        // Outside the rectangle nothing changed; the strip it uncovered is white.
        QImage outside = before, strip(r.width(), d, before.format());
        QPainter(&outside).drawImage(r.topLeft(), host.image.copy(r));
        strip.fill(Qt::white);
        EXPECT_EQ(host.image, outside);
        EXPECT_EQ(host.image.copy(r.left(), r.bottom() - d + 1, r.width(), d), strip);
        EXPECT_EQ(PaintLock, 0);
        EXPECT_EQ(box.Display.topleftcharno, -1) << "the top of the text moves only on a whole line";
        for (int i = 2; i < steps; ++i)
            EXPECT_TRUE(box.ScrollLine(-1));
        EXPECT_FALSE(box.ScrollLine(-1)) << "the last call completes the line";
        // Every step, the completing one with its new bottom line too, is one locked repaint.
        EXPECT_TRUE(host.presented == std::vector<QRect>(steps, r) && host.presentedLocked == steps);
        // The top is the line feed after "line 0".
        EXPECT_EQ(std::tuple(box.StepCount, box.Display.topleftcharno, box.StartChar),
                  std::tuple(0, 6, 6));
        expectAsRedrawn();
    }
}

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
