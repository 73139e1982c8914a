#include "support/shell_fixture.h"

#include "graph/graph_layout.h"
#include "graph/graphc.h"
#include "graph/graphwc.h"
#include "graph/stored_results.h"

#include <QCoreApplication>
#include <QScrollBar>

#include <cfloat>
#include <cmath>

namespace {

const char* const kQuitText = "You can leave this graph open while you are doing your drills.";

QPushButton* button(GraphC& g, int id) {
    for (auto* b : g.findChildren<QPushButton*>())
        if (b->property("controlId").toInt() == id) return b;
    return nullptr;
}

// Lets queued calls and deferred deletions run.
void settle() { QCoreApplication::sendPostedEvents(); }
// The pixels of `area` within `tolerance` of `colour`, the red, green and blue differences summed.
int pixelsNear(const QImage& img, QRect area, QColor colour, int tolerance) {
    int n = 0;
    area &= img.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = img.pixel(x, y);
            n += std::abs(qRed(p) - colour.red()) + std::abs(qGreen(p) - colour.green()) +
                     std::abs(qBlue(p) - colour.blue()) <
                 tolerance;
        }
    return n;
}
bool closeTo(const QImage& img, QPoint at, QColor want) {
    return pixelsNear(img, QRect(at, QSize(1, 1)), want, 24) == 1;
}
int darkPixels(const QImage& img, QRect area) {
    return pixelsNear(img, area, Qt::black, 300);
}

// Per cents, -1 for none, -2 for a practice reading.
std::vector<int> codes(const std::vector<ComprehensionEntry>& list) {
    std::vector<int> out;
    for (const ComprehensionEntry& e : list)
        out.push_back(e.practice ? -2 : e.percent);
    return out;
}

const QColor kOrange(230, 120, 0);
const QColor kPale(170, 200, 255);

} // namespace

class Graph : public ShellTest {
protected:
    Graph() { PersonName = "Zoe"; }
};

using Floats = std::vector<float>;

TEST_F(Graph, StoredListsReadAsWrittenAndGarbageReadsAsZero) {
    const std::pair<const char*, Floats> cases[] = {
        {" 12 15 19", {12, 15, 19}},           // as the drill window writes them
        {" 200.00 215.35 ", {200.0f, 215.35f}}, // a trailing space adds no bar
        {" 12  15", {12, 0, 15}},
        {"abc 12abc inf nan -inf", {0, 12, 0, 0, 0}},
        {"1e999 -1e999", {FLT_MAX, -FLT_MAX}}, // kept within a float
    };
    for (const auto& [list, values] : cases)
        EXPECT_EQ(readValueList(list), values) << list;
    EXPECT_EQ(readValueList(QStringLiteral(" 7").repeated(450)).size(), 400u);
    put("Max", "DrillScores", " 9 9 9");
    put("Zoe", "DrillScores", " 4 6");
    EXPECT_EQ(storedValues("DrillScores"), (Floats{4, 6})); // the current user's only
    EXPECT_TRUE(storedValues("SpeedTestScores").empty());
}

// The speed-test graph's painting is checked with its comprehension series.
TEST_F(Graph, TheStoredDrillGraphIsPlacedPaintedWhereTheLayoutSaysScrollsAndClosesAtOnce) {
    put("Zoe", "DrillScores", " 12 15 19" + QString(" 15").repeated(17));
    GraphC g("DrillScores", nullptr, "DrillPastGraph");
    g.Create();
    EXPECT_EQ(g.pos(), QPoint(600, 348)); // at the bottom edge, one window width (600) in
    g.show();
    const QImage img = g.drawing()->viewport()->grab().toImage();
    const GraphLayout layout = g.drawing()->currentLayout();
    EXPECT_LE(layout.bars[0].rect.height(), layout.bars[2].rect.height()); // 12 below 19
    // Each bar in its colour with its value above it, white between the bars.
    for (const GraphBar& bar : layout.bars) {
        const QPoint centre = bar.rect.center();
        if (bar.rect.right() + 4 >= img.width()) break; // scrolled out of view
        EXPECT_TRUE(closeTo(img, centre, graphStyle("DrillScores").barColour));
        EXPECT_TRUE(closeTo(img, QPoint(bar.rect.right() + 4, centre.y()), Qt::white));
        EXPECT_GT(darkPixels(img, QRect(bar.valuePos, QSize(26, 10))), 3);
    }
    // The red y axis, and the labels beside it.
    EXPECT_TRUE(closeTo(img, layout.axes[0] + QPoint(0, 50), QColor(255, 0, 0)));
    EXPECT_GT(darkPixels(img, QRect(layout.xLabelPos, QSize(100, 14))), 10);
    QScrollBar* bar = g.drawing()->horizontalScrollBar();
    const QRect third = g.drawing()->currentLayout().bars[2].rect;
    bar->setValue(1); // one scroll step moves the drawing 16 pixels left
    EXPECT_EQ(g.drawing()->currentLayout().bars[2].rect, third.translated(-16, 0));
    bar->setValue(bar->maximum());
    EXPECT_LT(g.drawing()->currentLayout().bars.back().rect.right(),
              g.drawing()->viewport()->width());
    g.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&g));
    // The tiny buttons answer Return; closing asks nothing.
    QTest::keyClick(g.drawing(), Qt::Key_Return);
    EXPECT_FALSE(g.isVisible());
}

TEST_F(Graph, CurrentDrillsAskBeforeClosingAndTellTheOpener) {
    const int levels[] = {3, 5, 4};
    bool open = false;
    auto* g = new GraphC(levels, 3, nullptr, "DrillGraph", &open);
    EXPECT_TRUE(open);
    int told = 0;
    g->setClosedHandler([&] {
        ++told;
        delete g;
    });
    g->Create();
    g->show();
    EXPECT_EQ(g->pos(), QPoint(20, 348)); // bottom-left corner: (20, 748 - 400)
    // A refresh with many more levels keeps the size and scrolls instead.
    const int later[] = {3, 5, 4, 6, 7, 9, 8, 10, 11, 12, 13, 11, 14, 15, 16, 17, 18};
    g->Populate(later, 17);
    EXPECT_TRUE(g->size() == QSize(350, 400) && g->drawing()->currentLayout().bars.size() == 17);

    script.answer("Quit?", kQuitText, IDNO);
    button(*g, 2)->click();
    settle();
    EXPECT_TRUE(g->isVisible() && told == 0);
    // The frame's own close asks too; Yes hides it and the opener destroys it.
    script.answer("Quit?", kQuitText, IDYES);
    EXPECT_FALSE(g->close() || g->isVisible());
    settle();
    EXPECT_TRUE(told == 1 && !open);
}

// The speed-test graph's second series: each test's comprehension beside its speed.
TEST(ComprehensionList, OnlyWholePercentsAndPracticeMarksOfAStoredScoreCount) {
    const std::tuple<QString, int, std::vector<int>> cases[] = {
        {" 75 - p 100 0", 5, {75, -1, -2, 100, 0}},
        {"abc 101 -5 - 40 x", 6, {-1, -1, -1, -1, 40, -1}},
        {" 75 80 90 40", 2, {75, 80}}, // more entries than scores
        {" 75", 3, {75}},              // fewer: the rest have none
    };
    for (const auto& [text, scores, want] : cases)
        EXPECT_EQ(codes(readComprehensionList(text, scores)), want) << text.left(40).toStdString();
}

using ComprehensionGraph = ShellTest;

TEST_F(ComprehensionGraph, TheSpeedGraphShowsBothSeriesAndIsAsBeforeWithoutTheKey) {
    PersonName = "Zoe";
    put("Zoe", "SpeedTestScores", "200.00 150.00 180.00 220.00");
    put("Zoe", "SpeedTestComprehension", "75 - p 100 40");
    {
        GraphC g("SpeedTestScores", nullptr, "SpeedGraph");
        EXPECT_EQ(g.drawing()->wantedSize(), QSize(graphWidth(4) + kScaleBandWidth, 400));
        g.Create();
        g.show();
        const QImage img = g.drawing()->viewport()->grab().toImage();
        const GraphLayout layout = g.drawing()->currentLayout();
        ASSERT_EQ(layout.points.size(), 2u); // the fifth entry belongs to no score
        // 75 % three quarters up from the axis to the top margin, 100 % at the margin.
        const int axis = layout.scaleTicks.front().tick.y1(), top = layout.scaleTicks.back().tick.y1();
        EXPECT_NEAR(layout.points[0].y(), axis - 0.75 * (axis - top), 1);
        EXPECT_EQ(layout.points[1], QPoint(layout.bars[3].rect.center().x(), top));
        for (const QPoint& point : layout.points)
            EXPECT_GT(pixelsNear(img, QRect(point - QPoint(2, 2), QSize(5, 5)), kOrange, 40), 15);
        EXPECT_GT(pixelsNear(img, layout.bars[2].rect.adjusted(3, 3, -3, -3), kPale, 40), 100);
        const QRect plain = layout.bars[1].rect.adjusted(3, 3, -3, -3);
        EXPECT_GT(pixelsNear(img, plain, graphStyle("SpeedTestScores").barColour, 40), 100);
        EXPECT_EQ(pixelsNear(img, plain, kPale, 40), 0);
        EXPECT_GT(pixelsNear(img, layout.scaleBand, kOrange, 40), 200); // the axis and its labels
    }
    put("Zoe", "SpeedTestComprehension", "");
    GraphC g("SpeedTestScores", nullptr, "SpeedGraph");
    EXPECT_EQ(g.drawing()->wantedSize(), QSize(graphWidth(4), 400));
    const GraphLayout layout = g.drawing()->currentLayout();
    EXPECT_TRUE(layout.points.empty() && layout.legend.empty() && layout.scaleBand.isNull());
}
