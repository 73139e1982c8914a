#include "support/shell_fixture.h"

#include "graph/graphc.h"
#include "graph/graphwc.h"
#include "lesson/lessonmonitor.h"
#include "platform/message_box.h"
#include "platform/profile.h"
#include "shell/globals.h"

#include <QCoreApplication>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace {

const char* const kQuitText =
    "You can leave this graph open while you are doing your drills.  Do you still want to quit?";

QPushButton* button(GraphC& g, int id) {
    for (auto* b : g.findChildren<QPushButton*>())
        if (b->property("controlId").toInt() == id) return b;
    return nullptr;
}

// Lets queued calls and deferred deletions run.
void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool closeTo(QRgb pixel, QColor want) {
    const QColor c(pixel);
    return std::abs(c.red() - want.red()) < 8 && std::abs(c.green() - want.green()) < 8 &&
           std::abs(c.blue() - want.blue()) < 8;
}

int darkPixels(const QImage& img, QRect area) {
    int n = 0;
    area &= img.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(img.pixel(x, y)) < 100) ++n;
    return n;
}

} // namespace

class GraphWindow : public ShellTest {
protected:
    GraphWindow() { PersonName = "Zoe"; }
    void store(const char* key, const char* list) {
        WritePrivateProfileString("Zoe", key, list, ProfileName);
    }
};

TEST_F(GraphWindow, DrillHistoryOpensSizedCaptionedAndClosesAtOnce) {
    store("DrillScores", " 12 15 19");
    GraphC g("DrillScores", nullptr, "DrillPastGraph");
    g.Create();
    EXPECT_EQ(g.windowTitle(), "Drill Level History (past performance)");
    EXPECT_EQ(g.graphName(), "DrillScores");
    EXPECT_EQ(g.drawing()->values(), (std::vector<float>{12, 15, 19}));
    EXPECT_EQ(g.drawing()->style().barColour, QColor(255, 0, 0));
    // Three bars want 210 pixels: the window keeps its 350 by 400 minimum.
    EXPECT_EQ(g.size(), QSize(350, 400));
    EXPECT_EQ(g.drawing()->size(), QSize(350, 400));
    // Bottom edge, one window width in: (350, 748 - 400).
    EXPECT_EQ(g.pos(), QPoint(350, 348));
    EXPECT_EQ(g.drawing()->horizontalScrollBar()->maximum(), 10);
    EXPECT_EQ(g.drawing()->horizontalScrollBar()->value(), 0);

    ModalScript script; // no question before closing
    ASSERT_NE(button(g, 9), nullptr);
    button(g, 9)->click();
    EXPECT_EQ(help.topics, std::vector<int>{43});
    ASSERT_NE(button(g, 2), nullptr);
    EXPECT_EQ(button(g, 2)->size(), QSize(1, 5));
    EXPECT_EQ(button(g, 2)->pos(), QPoint(20, 20));
    EXPECT_EQ(button(g, 9)->pos(), QPoint(20, 60));
    g.show();
    button(g, 2)->click();
    EXPECT_FALSE(g.isVisible());
    EXPECT_EQ(g.modalResult(), 0);
}

TEST_F(GraphWindow, SpeedTestsWidenToSixHundredAndScroll) {
    QString list;
    for (int i = 0; i < 20; ++i)
        list += QStringLiteral(" %1.00").arg(150 + 5 * i);
    store("SpeedTestScores", list.toLatin1().constData());
    store("SpeedGraphScreenX", "70");
    store("SpeedGraphScreenY", "90");
    GraphC g("SpeedTestScores", nullptr, "SpeedGraph");
    g.Create();
    EXPECT_EQ(g.windowTitle(), "Speed Test Results");
    EXPECT_EQ(g.size(), QSize(600, 400));
    EXPECT_EQ(g.pos(), QPoint(70, 90));
    EXPECT_EQ(g.drawing()->values().size(), 20u);
    QScrollBar* bar = g.drawing()->horizontalScrollBar();
    EXPECT_EQ(bar->maximum(), 44);
    button(g, 9)->click();
    EXPECT_EQ(help.topics, std::vector<int>{44});

    // Scrolling by one step moves the drawing 16 pixels left.
    const GraphLayout before = g.drawing()->currentLayout();
    bar->setValue(1);
    const GraphLayout after = g.drawing()->currentLayout();
    EXPECT_EQ(after.bars[19].rect, before.bars[19].rect.translated(-16, 0));
}

TEST_F(GraphWindow, ModalRunEndsWithTheOkButton) {
    store("DrillScores", " 3 4");
    GraphC g("DrillScores", nullptr, "DrillPastGraph");
    QPointer<QPushButton> ok = button(g, 2);
    ASSERT_TRUE(ok);
    QMetaObject::invokeMethod(
        ok.data(), [ok] { ok->click(); }, Qt::QueuedConnection);
    EXPECT_EQ(g.execModal(), 0);
    EXPECT_FALSE(g.isVisible());
    EXPECT_EQ(g.windowTitle(), "Drill Level History (past performance)");
}

TEST_F(GraphWindow, KeysReachTheTinyButtons) {
    store("SpeedTestScores", " 180.00 220.50");
    GraphC g("SpeedTestScores", nullptr, "SpeedGraph");
    g.Create();
    g.show();
    g.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&g));
    QTest::keyClick(g.drawing(), Qt::Key_F1);
    EXPECT_EQ(help.topics, std::vector<int>{44});
    EXPECT_TRUE(g.isVisible());
    QTest::keyClick(g.drawing(), Qt::Key_Return);
    EXPECT_FALSE(g.isVisible());
}

TEST_F(GraphWindow, AListOfBlanksSaysThereIsNothingAndShowsNoGraph) {
    store("DrillScores", "\" \"");
    ModalScript script;
    script.answer("SkimSprinter", "There are no recorded items for this graph", IDOK);
    // Only the message: a graph window reaching the modal run would be an unexpected dialog.
    EXPECT_EQ(runStoredGraph(nullptr, "DrillScores", "DrillPastGraph"), 0);
    EXPECT_TRUE(script.finished());
}

TEST_F(GraphWindow, CurrentDrillsAskBeforeClosingAndTellTheOpener) {
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
    EXPECT_EQ(g->windowTitle(), "Drill Level Changes");
    EXPECT_EQ(g->graphName(), "DrillCurrentScores");
    EXPECT_EQ(g->drawing()->style().yLabel3, "");
    // Bottom-left corner: (20, 748 - 400).
    EXPECT_EQ(g->pos(), QPoint(20, 348));
    button(*g, 9)->click();
    EXPECT_EQ(help.topics, std::vector<int>{42});

    ModalScript script;
    script.answer("Quit?", kQuitText, IDNO);
    button(*g, 2)->click();
    settle();
    EXPECT_TRUE(g->isVisible());
    EXPECT_EQ(told, 0);
    EXPECT_TRUE(open);

    // The frame's own close asks too; Yes hides it and the opener destroys it.
    script.answer("Quit?", kQuitText, IDYES);
    EXPECT_FALSE(g->close());
    EXPECT_FALSE(g->isVisible());
    settle();
    EXPECT_EQ(told, 1);
    EXPECT_FALSE(open);
}

TEST_F(GraphWindow, CurrentDrillsWithoutAnOpenerDeleteThemselves) {
    const int levels[] = {2};
    bool open = false;
    QPointer<GraphC> g = new GraphC(levels, 1, nullptr, "DrillGraph", &open);
    g->Create();
    g->show();
    ModalScript script;
    script.answer("Quit?", kQuitText, IDYES);
    button(*g, 2)->click();
    settle();
    settle();
    EXPECT_TRUE(g.isNull());
    EXPECT_FALSE(open);
}

TEST_F(GraphWindow, PopulateRefreshesTheCurrentDrills) {
    const int first[] = {2, 3};
    bool open = false;
    GraphC g(first, 2, nullptr, "DrillGraph", &open);
    g.Create();
    g.show();
    const QImage shown = g.drawing()->viewport()->grab().toImage();
    EXPECT_EQ(g.drawing()->currentLayout().bars.size(), 2u);
    EXPECT_EQ(g.drawing()->horizontalScrollBar()->maximum(), 8);

    const int later[] = {2, 3, 5, 4, 6, 7, 9, 8, 10, 11, 12, 13, 11, 14, 15, 16, 17};
    g.Populate(later, 17);
    EXPECT_EQ(g.drawing()->values().size(), 17u);
    EXPECT_EQ(g.drawing()->range().maxValue, 17.0);
    EXPECT_EQ(g.drawing()->range().minValue, 2.0);
    EXPECT_EQ(g.drawing()->horizontalScrollBar()->maximum(), 38);
    // The window keeps the size it opened with and scrolls instead.
    EXPECT_EQ(g.size(), QSize(350, 400));
    const GraphLayout layout = g.drawing()->currentLayout();
    ASSERT_EQ(layout.bars.size(), 17u);
    EXPECT_EQ(layout.bars[16].number, "17");
    EXPECT_EQ(layout.bars[16].rect.top(), g.drawing()->metrics().margin - 2);
    // The second bar reached the top of the first drawing; after the refresh it is short.
    const QImage redrawn = g.drawing()->viewport()->grab().toImage();
    const QPoint nearTop(layout.bars[1].rect.center().x(), g.drawing()->metrics().margin + 5);
    EXPECT_TRUE(closeTo(shown.pixel(nearTop), QColor(0, 255, 0)));
    EXPECT_TRUE(closeTo(redrawn.pixel(nearTop), Qt::white));
    EXPECT_TRUE(closeTo(redrawn.pixel(layout.bars[5].rect.center()), QColor(0, 255, 0)));
    EXPECT_NE(shown, redrawn);
}

TEST_F(GraphWindow, EachGraphPaintsItsBarsInItsColourWhereTheLayoutSays) {
    store("DrillScores", " 12 15 19");
    store("SpeedTestScores", " 180.00 220.50 260.00 205.10");
    const int levels[] = {4, 6, 5};
    bool open = false;
    GraphC history("DrillScores", nullptr, "DrillPastGraph");
    GraphC speed("SpeedTestScores", nullptr, "SpeedGraph");
    GraphC current(levels, 3, nullptr, "DrillGraph", &open);
    for (GraphC* g : {&history, &speed, &current}) {
        SCOPED_TRACE(g->graphName().toStdString());
        g->Create();
        g->show();
        const QImage img = g->drawing()->viewport()->grab().toImage();
        const GraphLayout layout = g->drawing()->currentLayout();
        const QColor colour = g->drawing()->style().barColour;
        const int m = g->drawing()->metrics().margin;
        ASSERT_FALSE(layout.bars.empty());
        for (const GraphBar& bar : layout.bars) {
            const QPoint centre = bar.rect.center();
            EXPECT_TRUE(closeTo(img.pixel(centre), colour)) << bar.number.toStdString();
            // Bars stand on the axis and leave white between them.
            EXPECT_TRUE(closeTo(img.pixel(centre.x(), bar.rect.bottom() - 3), colour));
            EXPECT_TRUE(closeTo(img.pixel(bar.rect.right() + 4, centre.y()), Qt::white));
            // Above the bar's top, past its outline, the white background.
            EXPECT_TRUE(closeTo(img.pixel(centre.x(), bar.rect.top() - 3), Qt::white));
            // The outline is teal.
            EXPECT_TRUE(closeTo(img.pixel(bar.rect.left(), centre.y()), QColor(0, 128, 128)));
            // Its number and value are written.
            EXPECT_GT(darkPixels(img, QRect(bar.numberPos, QSize(20, 12))), 3);
            EXPECT_GT(darkPixels(img, QRect(bar.valuePos, QSize(26, 10))), 3);
        }
        // The tallest bar reaches m - 2.
        int tallest = img.height();
        for (const GraphBar& bar : layout.bars)
            tallest = std::min(tallest, bar.rect.top());
        EXPECT_EQ(tallest, m - 2);
        // The red y axis, and the labels beside it.
        const QPoint axisMid(layout.axes[0].x(), (layout.axes[0].y() + layout.axes[1].y()) / 2);
        EXPECT_TRUE(closeTo(img.pixel(axisMid), QColor(255, 0, 0)));
        EXPECT_GT(darkPixels(img, QRect(layout.yLabelPos[0], QSize(40, 14))), 10);
        EXPECT_GT(darkPixels(img, QRect(layout.xLabelPos, QSize(100, 14))), 10);
        // Nothing drawn far right of the plot.
        EXPECT_TRUE(closeTo(img.pixel(img.width() - 5, m + 5), Qt::white));
    }
    // Only the speed graph has a third y label line.
    auto thirdLine = [](GraphC& g) {
        const QImage img = g.drawing()->viewport()->grab().toImage();
        return darkPixels(img, QRect(g.drawing()->currentLayout().yLabelPos[2], QSize(50, 14)));
    };
    EXPECT_GT(thirdLine(speed), 10);
    EXPECT_EQ(thirdLine(history), 0);
    EXPECT_EQ(thirdLine(current), 0);
}

TEST_F(GraphWindow, HugeStoredValuesDrawWithoutTrouble) {
    store("SpeedTestScores", " 1e30 5 -1e999 1e999 abc");
    GraphC g("SpeedTestScores", nullptr, "SpeedGraph");
    g.Create();
    g.show();
    const QImage img = g.drawing()->viewport()->grab().toImage();
    const GraphLayout layout = g.drawing()->currentLayout();
    ASSERT_EQ(layout.bars.size(), 5u);
    EXPECT_EQ(layout.bars[3].rect.top(), g.drawing()->metrics().margin - 2);
    EXPECT_TRUE(closeTo(img.pixel(layout.bars[3].rect.center()), QColor(0, 0, 255)));
}

class GraphMonitor : public ShellTest {
protected:
    GraphMonitor() {
        PersonName = "Zoe";
        WritePrivateProfileString("Zoe", "Used", "5", ProfileName);
        mon = new LessonMonitor(nullptr, 4);
        mon->SetupWindow();
    }
    ~GraphMonitor() override {
        delete mon;
        mon = nullptr;
    }
    TestActivityFactory activities;
};

TEST_F(GraphMonitor, GraphButtonsWithNothingStoredOnlySaySo) {
    ModalScript script;
    script.answer("No earlier drills recorded.",
                  "You have not yet done any earlier drills under the name of Zoe.", IDOK);
    mon->sendCommand(200);
    script.answer("No speed tests recorded.",
                  "You have not yet done any speed tests under the name of Zoe.", IDOK);
    mon->sendCommand(201);
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(sounds.count("sound/right.wav"), 2);
    EXPECT_TRUE(mon->findChildren<GraphC*>().isEmpty());
}

TEST_F(GraphMonitor, GraphButtonsRunTheStoredGraphsModallyAndDestroyThem) {
    WritePrivateProfileString("Zoe", "DrillScores", " 12 15 19", ProfileName);
    WritePrivateProfileString("Zoe", "SpeedTestScores", " 200.00 215.35", ProfileName);
    struct Expect {
        int command;
        const char* caption;
        const char* position;
        std::vector<float> values;
    };
    const Expect cases[] = {
        {200, "Drill Level History (past performance)", "DrillPastGraph", {12, 15, 19}},
        {201, "Speed Test Results", "SpeedGraph", {200.0f, 215.35f}},
    };
    for (const Expect& e : cases) {
        SCOPED_TRACE(e.caption);
        ModalScript script;
        bool ran = false;
        script.then([&](QWidget& w) {
            ran = true;
            auto* g = qobject_cast<GraphC*>(&w);
            EXPECT_NE(g, nullptr);
            if (!g) return 0;
            EXPECT_EQ(g->windowTitle(), e.caption);
            EXPECT_EQ(g->positionName(), e.position);
            EXPECT_EQ(g->parentWidget(), mon);
            EXPECT_EQ(g->drawing()->values(), e.values);
            button(*g, 2)->click();
            return g->modalResult();
        });
        mon->sendCommand(e.command);
        EXPECT_TRUE(ran);
        EXPECT_TRUE(mon->findChildren<GraphC*>().isEmpty());
    }
    EXPECT_EQ(sounds.count("sound/right.wav"), 2);
}
