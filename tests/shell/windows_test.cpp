#include "support/shell_fixture.h"

#include "shell/swindow.h"

using Windows = ShellTest;

// Desktop 1024 x 768: the prompts, graphs and the monitor are checked where they open.
TEST_F(Windows, StoredPositionOffEveryScreenGivesTheDefaultAndMovesAreWrittenWhenSettled) {
    PersonName = "Eve";
    const QPoint byDefault(20, 448); // 400 x 300 on the 1024 x 768 desktop
    const std::tuple<const char*, const char*, QPoint> cases[] = {
        {"333", nullptr, byDefault}, // only one coordinate stored
        {"-5000", "100", byDefault},
        {"990", "100", byDefault},  // only 34 pixels of the corner on the screen
        {"984", "728", {984, 728}}, // exactly 40 x 40
        {"0", "0", {0, 0}},
    };
    for (const auto& [x, y, expected] : cases) {
        WritePrivateProfileString("eve", "speedgraphscreenx", x, ProfileName);
        WritePrivateProfileString("EVE", "SpeedGraphScreenY", y, ProfileName);
        SWindow w(nullptr, "Graph", "SpeedGraph");
        w.resize(400, 300);
        w.Create();
        EXPECT_EQ(w.pos(), expected) << x << "," << (y ? y : "-");
    }
    SWindow w(nullptr, "Graph", "SpeedGraph");
    w.Create();
    w.show();
    auto stored = [this] {
        return QPoint(iniInt("Eve", "SpeedGraphScreenX"), iniInt("Eve", "SpeedGraphScreenY"));
    };
    // Closed right after a move: written at once (a storm waits, as the resizing test shows).
    w.move(40, 70);
    w.close();
    EXPECT_EQ(stored(), QPoint(40, 70));
}

TEST_F(Windows, AShownWindowIsMovedOntoTheScreenNotRemembered) {
    const QRect screen(0, 0, 1024, 768);
    const std::pair<QRect, QPoint> frames[] = {
        {{20, 644, 400, 430}, {20, 338}}, // a graph below the bottom edge moves up
        {{-50, -20, 100, 100}, {0, 0}},
        {{10, 10, 2000, 1000}, {0, 0}}, // too large: the title bar stays on the screen
        {{30, 40, 100, 100}, {30, 40}},
    };
    for (const auto& [frame, corner] : frames)
        EXPECT_EQ(keepInside(frame, screen), corner) << frame.x() << "," << frame.y();
    PersonName = "Eve";
    SWindow graph(nullptr, "Graph", "SpeedGraph");
    graph.Create(); // placed by its default for its size before the graph is laid out
    graph.resize(400, 430);
    graph.show();
    EXPECT_TRUE(screen.contains(graph.frameGeometry())) << graph.frameGeometry().y();
    EXPECT_EQ(iniInt("Eve", "SpeedGraphScreenY"), -12345);
}
