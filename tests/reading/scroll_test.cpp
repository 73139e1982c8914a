#include "reading_fixture.h"

#include "reading/scr.h"

#include <vector>

namespace {
// The steps of one line in call order: calls 1 .. s-1, then the completing call (k = 0).
std::vector<int> lineSteps(int h, int s) {
    std::vector<int> steps;
    for (int call = 1; call <= s; ++call)
        steps.push_back(scrollPixelStep(h, s, call % s));
    return steps;
}

// An image whose every row has its own colour.
QImage striped(QSize size) {
    QImage im(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            im.setPixel(x, y, qRgb(y, 255 - y, x % 7));
    return im;
}

QImage pageInterior(const ScrollTextBox& box, const QImage& im, int rowsToSkipAtBottom) {
    QRect r = scrollRectangle(im.size(), box.Offset, box.Margin);
    r.setBottom(r.bottom() - rowsToSkipAtBottom);
    return im.copy(r);
}
} // namespace

TEST(ScrollSteps, StepsOfALineAddUpToTheLineHeight) {
    struct Case {
        int h, s;
        std::vector<int> steps;
    };
    const Case cases[] = {
        {17, 4, {4, 4, 4, 5}},
        {19, 4, {5, 5, 4, 5}},
        {16, 16, std::vector<int>(16, 1)},
        {17, 2, {8, 9}},
        {15, 8, {2, 2, 2, 2, 2, 2, 1, 2}},
        {3, 8, {1, 1, 0, 0, 0, 0, 0, 1}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(lineSteps(c.h, c.s), c.steps) << c.h << " px, " << c.s << " steps";
    for (int h = 1; h <= 80; ++h)
        for (int s : {2, 4, 8, 16}) {
            const std::vector<int> steps = lineSteps(h, s);
            int sum = 0;
            for (int d : steps)
                sum += d;
            EXPECT_EQ(sum, h) << h << " px, " << s << " steps";
        }
}

TEST(ScrollSteps, RowsMoveUpInsideTheRectangleOnly) {
    QImage im = striped(QSize(40, 30));
    const QImage before = im;
    const QRect r(QPoint(5, 4), QPoint(30, 25));
    scrollImageUp(im, r, 3);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            QRgb want = before.pixel(x, y);
            if (r.contains(x, y) && y + 3 <= r.bottom())
                want = before.pixel(x, y + 3);
            ASSERT_EQ(im.pixel(x, y), want) << x << "," << y;
        }
    EXPECT_EQ(scrollRectangle(QSize(500, 300), 20, 20), QRect(QPoint(21, 41), QPoint(478, 278)));
}

using Scrolling = ReadingTest;

TEST_F(Scrolling, AStepMovesThePageAndBlanksTheStripWhileRepaintsAreLocked) {
    ImageHost host(QSize(400, 300));
    ScrollTextBox box(1);
    box.load(reading("s.dat", lines(60)));
    box.ScrollMedium();
    const QImage before = host.image;
    const QRect r = scrollRectangle(host.image.size(), box.Offset, box.Margin);
    const int d = scrollPixelStep(box.LineHeight, 4, 1);
    host.presented.clear();
    EXPECT_TRUE(box.ScrollLine(-1));
    EXPECT_EQ(host.image.copy(r.adjusted(0, 0, 0, -d)), before.copy(r.adjusted(0, d, 0, 0)));
    for (int y = r.bottom() - d + 1; y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ASSERT_EQ(host.image.pixel(x, y), qRgb(255, 255, 255));
    ASSERT_EQ(host.presented.size(), 1u);
    EXPECT_EQ(host.presented[0], r);
    EXPECT_EQ(host.presentedLocked, 1);
    EXPECT_EQ(PaintLock, 0);
    EXPECT_EQ(box.Display.topleftcharno, -1) << "the top of the text moves only on a whole line";
}

TEST_F(Scrolling, AWholeLineLeavesThePageAsAFreshRedrawFromTheNextLine) {
    ImageHost host(QSize(400, 300));
    ScrollTextBox box(1);
    const QString text = reading("s.dat", lines(60));
    box.load(text);
    for (int steps : {2, 4, 8, 16}) {
        SCOPED_TRACE(steps);
        box.load(text);
        box.StepsPerLine = steps;
        for (int i = 1; i < steps; ++i)
            EXPECT_TRUE(box.ScrollLine(-1));
        EXPECT_FALSE(box.ScrollLine(-1)) << "the last call completes the line";
        EXPECT_EQ(box.StepCount, 0);
        EXPECT_EQ(box.Display.topleftcharno, 6); // the line feed after "line 0"
        EXPECT_EQ(box.StartChar, 6);
        const QImage scrolled = host.image;
        box.TextAllRedraw(nullptr, 0);
        EXPECT_EQ(pageInterior(box, scrolled, box.LineHeight),
                  pageInterior(box, host.image, box.LineHeight));
    }
}

TEST_F(Scrolling, TheEndOfTheTextIsReportedAndNothingMoves) {
    ImageHost host(QSize(400, 300));
    ScrollTextBox box(1);
    struct Case {
        const char* what;
        QByteArray text;
        int linesBeforeEnd;
        int topAfterFirstLine;
    };
    const Case cases[] = {
        {"no line feed at all", "just one line", 0, -1},
        {"three lines", "a\nb\nc\n", 3, 1},
        // Starting from character 0, the first line moves the top to the second line feed.
        {"a text that begins with a line feed", "\nsecond\nthird\nfourth\n", 3, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        box.load(reading("e.dat", c.text));
        box.ScrollCourse();
        host.finished = 0;
        for (int i = 0; i < 2; ++i)
            box.ScrollLine(-1);
        EXPECT_EQ(box.Display.topleftcharno, c.topAfterFirstLine);
        for (int line = 1; line < c.linesBeforeEnd; ++line) {
            box.ScrollLine(-1);
            box.ScrollLine(-1);
        }
        const int top = box.Display.topleftcharno;
        EXPECT_EQ(host.finished, c.linesBeforeEnd == 0 ? 1 : 0);
        box.ScrollLine(-1);
        EXPECT_FALSE(box.ScrollLine(-1));
        box.ScrollLine(-1);
        EXPECT_FALSE(box.ScrollLine(-1));
        EXPECT_EQ(host.finished, c.linesBeforeEnd == 0 ? 3 : 2) << "each completing call reports it";
        EXPECT_EQ(box.Display.topleftcharno, top);
    }
}

TEST_F(Scrolling, SmoothnessResizeAndFontSnapBackToWholeLines) {
    ImageHost host(QSize(400, 300));
    ScrollTextBox box(1);
    box.load(reading("s.dat", lines(60)));
    const struct {
        const char* what;
        std::function<void()> act;
        int steps;
        bool redraws; // a resize leaves the redraw to the window's paint
    } cases[] = {
        {"smoothest", [&] { box.ScrollVerySmooth(); }, 16, true},
        {"smooth", [&] { box.ScrollSmooth(); }, 8, true},
        {"semi-smooth", [&] { box.ScrollMedium(); }, 4, true},
        {"course", [&] { box.ScrollCourse(); }, 2, true},
        {"resize", [&] { box.NewSize(); }, 2, false},
        {"font", [&] { box.FontLarger(); }, 2, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        box.ScrollLine(-1);
        const int top = box.Display.topleftcharno;
        c.act();
        EXPECT_EQ(box.StepCount, 0);
        EXPECT_EQ(box.StepsPerLine, c.steps);
        EXPECT_EQ(box.Display.topleftcharno, top);
        // A clean redraw of the page at the same whole line.
        const QImage shown = host.image;
        box.TextAllRedraw(nullptr, 0);
        EXPECT_EQ(shown == host.image, c.redraws);
    }
    EXPECT_EQ(box.FindNewStartChar(-1, 1), 6);
    EXPECT_EQ(box.FindNewStartChar(6, 2), 20);
    EXPECT_EQ(box.FindNewStartChar(6, 1000), box.DisplayText.size());
}
